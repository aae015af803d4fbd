<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>जेसोन फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>संरक्षण</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>चैनल फ़ाइल सहेजें</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>फ़ाइल सहेजें</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>सभी चयनित नहीं</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>चैनल फ़ाइल लिखें</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>सीरियल पोर्ट सूची ताजा करें</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>भेजें</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>भेज रहा है...</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>चयनित चैनल डाटा युक्ति में भेजें</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>चैनल चुनें</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>नियंत्रण टर्मिनल</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>कनेक्शन डिस्कनेक्ट करें</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>सीरियल पोर्ट से कनेक्ट नहीं है!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>भेज रहा है..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>पढ़ना प्रगति में है..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>सीरियल पोर्ट सफलतापूर्वक खोला नहीं गया,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>प्रोग्रामिंग</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>चेतावनी</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>कृपया वैध पंक्ति संख्या भरें</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>कृपया संगत सीरियल पोर्ट चुनें</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>पढ़ें</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>युक्ति से चयनित चैनल डाटा पढ़ें</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>में जाएँ Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>संगत चैनल संख्या में जाएँ</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>कनेक्ट करें</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>सीरियल पोर्ट कनेक्ट करें</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>भाषा चुनें</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>फ़ाइल सहेजी नहीं गई: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>सीरियल पोर्ट से कनेक्शन टूट गया: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>%1 चैनलों का स्थानांतरण विफल रहा: %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 पहले से मौजूद है। क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>%1 नहीं खोली जा सकी: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>JSON पाठ नहीं है (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>चैनल फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%1 की %2 प्रविष्टियाँ लोड नहीं हुईं: उनकी कुंजी उनका चैनल नंबर नहीं है, या नंबर 0~999 के भीतर नहीं है।
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>चैनल %1 में किए गए बदलाव सहेजे नहीं गए हैं।</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location 0 से 999 के बाहर, छोड़ा गया (पंक्तियाँ: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>उद्धरण चिह्न बंद नहीं, छोड़ा गया (पंक्तियाँ: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>अमान्य आवृत्ति, छोड़ा गया (चैनल: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>अमान्य प्रेषण आवृत्ति, छोड़ा गया (चैनल: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>दोहराया गया चैनल, अंतिम पंक्ति रखी गई (चैनल: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off या अज्ञात, प्राप्ति आवृत्ति पर प्रेषण (चैनल: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>अज्ञात मोड, NFM पर सेट (चैनल: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS समर्थित नहीं, टोन 0 पर सेट (चैनल: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>टोन अमान्य या सूची में नहीं, 0 पर सेट (चैनल: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>नाम 11 बाइट से लंबा, छोटा किया गया (चैनल: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>फ़ाइल UTF-8 टेक्स्ट नहीं है</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>फ़ाइल में Location स्तंभ नहीं है</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>फ़ाइल में Frequency स्तंभ नहीं है</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>फ़ाइल में कोई उपयोगी चैनल नहीं है</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>सत्यापित करें</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>लिखने के बाद हर चैनल को वापस पढ़ें और भेजे गए से तुलना करें</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>कोई उत्तर नहीं</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>स्थानांतरित नहीं</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>अलग तरह से संग्रहीत: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>लिखा और सत्यापित: %1 चैनल, %2 सेकंड, %3 विफल</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>लिखा गया: %1 चैनल, %2 सेकंड, %3 विफल</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>पढ़ा गया: %1 चैनल, %2 सेकंड, %3 विफल</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>लिखना रद्द किया गया</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>पढ़ना रद्द किया गया</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>लिखना रोका गया: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>पढ़ना रोका गया: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 चैनल अलग तरह से संग्रहीत:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>रेडियो उत्तर नहीं दे रहा</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>रेडियो उत्तर नहीं दे रहा; स्थानांतरण रोका गया। स्थानांतरित न हुए चैनल: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>सत्यापन %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>लिख रहे हैं %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>पढ़ रहे हैं %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>सीरियल पोर्ट से संबंध टूट गया</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>स्थानांतरित न हुए चैनल: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>इस डिवाइस को खोलने की अनुमति नहीं है। Linux पर अपने उपयोगकर्ता को डिवाइस के समूह (यहाँ %1) में जोड़ें और फिर से लॉग इन करें: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>पंक्तियाँ साफ़ करें</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>बदली गई पंक्तियाँ चुनें</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>खोजें…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>अगला खोजें</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>नाम या आवृत्ति:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>संपादन</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>कुछ भी नहीं चिपकाया गया: चैनल %1 का %2 &quot;%3&quot; नहीं ले सकता।</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>&quot;%1&quot; नहीं मिला।</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 चैनल %2 में सहेजे गए</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 खोली गई: %2 चैनल</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>चैनल फ़ाइलें (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>%1 से जुड़ा</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>%1 से डिस्कनेक्ट किया गया</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>&quot;%1&quot; मिला: चैनल %2 (खोज शुरुआत से फिर की गई)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>&quot;%1&quot; मिला: चैनल %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>चुने गए चैनल पढ़ें और तालिका से उनकी तुलना करें; तालिका नहीं बदलती</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>तुलना</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>लिखने से पहले इन चैनलों को पढ़ें, बैकअप सहेजें और दिखाएँ कि क्या बदलेगा</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>बैकअप</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>लिखने से पहले पूर्वावलोकन</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>रेडियो से तुलना</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>लिखने से %1 चैनल बदलेंगे; %2 चैनल नहीं बदलेंगे।</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 चैनल रेडियो से अलग हैं; %2 चैनल समान हैं।</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>चैनल</translation>
    </message>
    <message>
        <source>列</source>
        <translation>स्तंभ</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>रेडियो का मान</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>नया मान</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>तालिका का मान</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>केवल बदले गए चैनल लिखें</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>लिखें</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>रेडियो के मान लें</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>चुने गए चैनलों के रेडियो के मान तालिका में रखें</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>नवीनतम बैकअप खोलें</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>लिखना रद्द किया गया: बैकअप पूरा नहीं हुआ</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>तुलना पूरी हुई: %1 चैनल अलग, %2 समान</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>बैकअप सहेजा नहीं गया, कुछ भी नहीं लिखा गया: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>लिखने के लिए कोई बदलाव नहीं</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>अभी तक कोई बैकअप नहीं है।</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>तुलना जारी..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>बैकअप जारी..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>फ़ोल्डर %1 नहीं बनाया जा सका</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>चुनी हुई पंक्तियाँ पहले से सबसे ऊपर हैं।</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>चुनी हुई पंक्तियाँ पहले से सबसे नीचे हैं।</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>ऊपर ले जाएँ</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>नीचे ले जाएँ</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>चैनल %1 से नीचे कोई ख़ाली पंक्ति नहीं है: कुछ नहीं डाला गया।</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>पंक्ति डालें</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>पंक्तियाँ हटाएँ</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>नाम से क्रमबद्ध करें</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>आवृत्ति से क्रमबद्ध करें</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>नीचे भरें</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>सीरियल पोर्ट</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>स्थानांतरण की प्रगति</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>चैनल तालिका</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>हाल की फ़ाइलें</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>कोई हाल की फ़ाइल नहीं</translation>
    </message>
</context>
</TS>
