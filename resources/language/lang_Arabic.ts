<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>فتح ملف جسون</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>حفظ ملف القناة</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>لا اختيار</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>اختيار كامل</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>كتابة ملف القناة</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>تحديث قائمة المسلسل</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>أرسل</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>إرسال . . .</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>إرسال البيانات إلى جهاز فحص القناة</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>سريع قناة الاختيار</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>محطة التحكم</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>المسلسل الميناء غير متصل !</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>إرسال .</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>قراءة ..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>لم تنجح في فتح المنفذ التسلسلي ،</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>برمجة</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>حذر</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>يرجى إدخال رقم خط صالح</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>الرجاء اختيار المنفذ التسلسلي</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>قرأ</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>قراءة التحقق من بيانات القناة من الجهاز</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>الانتقال إلى قناة</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>القفز إلى المقابلة رقم القناة</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>ربط</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>اتصال تسلسلي</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>اختيار اللغة</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>لم يتم حفظ الملف: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>انقطع الاتصال بالمنفذ التسلسلي: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>فشل نقل %1 من القنوات: %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>تعذر فتح %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>ليس نص JSON (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>ليس ملف قنوات</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>لم يتم تحميل %2 من إدخالات %1: مفتاحها ليس رقم قناتها، أو الرقم ليس ضمن 0~999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>لم يتم حفظ التعديلات على القناة %1.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location خارج 0 إلى 999، تم التخطي (الأسطر: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>علامة اقتباس غير مغلقة، تم التخطي (الأسطر: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>تردد غير صالح، تم التخطي (القنوات: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>تردد إرسال غير صالح، تم التخطي (القنوات: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>قناة مكررة، اعتُمد السطر الأخير (القنوات: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex هو off أو غير معروف، الإرسال على تردد الاستقبال (القنوات: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>وضع غير معروف، تم الضبط على NFM (القنوات: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS غير مدعوم، تم ضبط النغمات على 0 (القنوات: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>نغمة غير صالحة أو ليست في القائمة، تم ضبطها على 0 (القنوات: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>الاسم أطول من 11 بايت، تم تقصيره (القنوات: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>الملف ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>لا يحتوي الملف على العمود Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>لا يحتوي الملف على العمود Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>لا يحتوي الملف على أي قناة صالحة للاستخدام</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>بعد الكتابة، اقرأ كل قناة مرة أخرى وقارنها بما أُرسل</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>لا رد</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>لم يُنقل</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>خُزّن بشكل مختلف: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>تمت الكتابة والتحقق: %1 قناة في %2 ث، فشل %3</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>تمت الكتابة: %1 قناة في %2 ث، فشل %3</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>تمت القراءة: %1 قناة في %2 ث، فشل %3</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>أُلغيت الكتابة</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>أُلغيت القراءة</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>توقفت الكتابة: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>توقفت القراءة: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 قناة خُزّنت بشكل مختلف:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>جهاز الراديو لا يستجيب</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>جهاز الراديو لا يستجيب؛ أُوقف النقل. القنوات التي لم تُنقل: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>جارٍ التحقق %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>جارٍ الكتابة %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>جارٍ القراءة %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>فُقد الاتصال بالمنفذ التسلسلي</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>القنوات التي لم تُنقل: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>لا تملك صلاحية فتح هذا الجهاز. على Linux أضف المستخدم إلى مجموعة الجهاز (هنا %1) ثم سجّل الدخول من جديد: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>مسح الصفوف</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>تحديد الصفوف المعدلة</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>بحث…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>الاسم أو التردد:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>فتح الملف</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>لم يُلصق شيء: لا يقبل %2 في القناة %1 القيمة &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>لم يُعثر على &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>تم حفظ %1 قناة في %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>تم فتح %1: %2 قناة</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>ملفات القنوات (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>متصل بـ %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>تم قطع الاتصال بـ %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>تم العثور على &quot;%1&quot;: القناة %2 (استؤنف البحث من البداية)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>تم العثور على &quot;%1&quot;: القناة %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>اقرأ القنوات المحددة وقارنها بالجدول؛ لا يتغير الجدول</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>قارن</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>قبل الكتابة، اقرأ هذه القنوات واحفظ نسخة احتياطية واعرض ما سيتغير</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>نسخة</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>معاينة قبل الكتابة</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>المقارنة مع جهاز الراديو</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>ستغيّر الكتابة %1 قناة، وتبقى %2 قناة دون تغيير.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 قناة تختلف عن جهاز الراديو، و%2 قناة متطابقة.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>列</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>قيمة جهاز الراديو</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>القيمة الجديدة</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>قيمة الجدول</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>اكتب القنوات المتغيرة فقط</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>اكتب</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>خذ قيم جهاز الراديو</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>ضع قيم جهاز الراديو للقنوات المحددة في الجدول</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>فتح أحدث نسخة احتياطية</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>أُلغيت الكتابة: لم يكتمل النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>اكتملت المقارنة: %1 قناة مختلفة، %2 متطابقة</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>لم تُحفظ النسخة الاحتياطية، ولم يُكتب شيء: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>لا توجد تغييرات للكتابة</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>لا توجد نسخ احتياطية بعد.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>مقارنة..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>نسخ احتياطي..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>الصفوف المحددة في الأعلى بالفعل.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>الصفوف المحددة في الأسفل بالفعل.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>لا يوجد صف فارغ من القناة %1 فما بعدها: لم يُدرج شيء.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>إدراج صف</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>إزالة الصفوف</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>فرز حسب الاسم</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>فرز حسب التردد</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>تعبئة لأسفل</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>المنفذ التسلسلي</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>تقدم النقل</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>جدول القنوات</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>لا توجد ملفات حديثة</translation>
    </message>
</context>
</TS>
