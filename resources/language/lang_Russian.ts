<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>Открыть файл JSON</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Захаваць файл каналу</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Очистить выбор</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Запісаць файл каналу</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Абнавіць спіс серыйных портаў</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Отправлено..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Отправить выделенные данные канала на устройство</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>вылучыць усе</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Хутка вылучыць канали</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Терминал управления</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Отключить соединение</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>Не подключен к последовательному порту!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Отправляется..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Читаю..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>Не удалось открыть порт,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Программирование</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Введите правильный номер строки</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Выберите соответствующий порт</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Прочитать выделенные данные канала с устройства</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Скачать Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Перайсці да адпаведнага ліку каналу</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Падключыць серыйны порт</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Вылучыце мову</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>Файл не сохранён: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>Соединение с последовательным портом потеряно: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>Не удалось передать каналов: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>не текст JSON (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>не файл каналов</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>Из %1 не загружено записей: %2. Их ключ не совпадает с номером канала, или номер вне диапазона 0~999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>Изменения канала %1 не сохранены.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location вне 0–999, пропущено (строки: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Незакрытая кавычка, пропущено (строки: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Неверная частота, пропущено (каналы: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Неверная частота передачи, пропущено (каналы: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Канал повторяется, взята последняя строка (каналы: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off или неизвестен, передача на частоте приёма (каналы: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Неизвестный режим, установлен NFM (каналы: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS не поддерживается, тоны сброшены в 0 (каналы: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Тон неверен или не из списка, установлен 0 (каналы: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Имя длиннее 11 байт, сокращено (каналы: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>Файл не является текстом UTF-8</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>В файле нет столбца Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>В файле нет столбца Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>В файле нет пригодных каналов</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>После записи прочитать каждый канал обратно и сравнить с отправленным</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>не передан</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>сохранено иначе: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Записано и проверено: каналов %1 за %2 с, ошибок %3</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Записано: каналов %1 за %2 с, ошибок %3</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Прочитано: каналов %1 за %2 с, ошибок %3</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Запись отменена</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Чтение отменено</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Запись остановлена: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Чтение остановлено: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>Каналов сохранено иначе: %1:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>рация не отвечает</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>Рация не отвечает, передача остановлена. Не переданы каналы: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Проверка %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Запись %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Чтение %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>соединение с последовательным портом потеряно</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Не переданы каналы: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>Нет прав на открытие этого устройства. В Linux добавьте пользователя в группу устройства (здесь %1) и войдите заново: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Очистить строки</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Отметить изменённые строки</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Найти…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Имя или частота:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Открытие файла</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>Ничего не вставлено: %2 канала %1 не принимает «%3».</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>«%1» не найдено.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>Сохранено каналов: %1, файл %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>Открыт %1: каналов %2</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Файлы каналов (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Подключено к %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Отключено от %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>Найдено «%1»: канал %2 (поиск продолжен с начала)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>Найдено «%1»: канал %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Прочитать отмеченные каналы и сравнить с таблицей; таблица не меняется</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Перед записью прочитать эти каналы, сохранить резервную копию и показать, что изменится</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Просмотр перед записью</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Сравнение с рацией</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>Запись изменит каналов: %1; без изменений останутся: %2.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>Каналы, отличающиеся от рации: %1; совпадающие: %2.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Значение в рации</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>Новое значение</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Значение в таблице</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Записать только изменённые каналы</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Взять значения рации</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Поместить в таблицу значения рации для выбранных каналов</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Открыть последнюю резервную копию</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Запись отменена: резервное копирование не завершено</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Сравнение завершено: каналов с отличиями %1, без отличий %2</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>Резервная копия не сохранена, запись не выполнена: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>Нет изменений для записи</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>Резервных копий пока нет.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>Сравниваю..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>Копирую..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>Выбранные строки уже в самом верху.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>Выбранные строки уже в самом низу.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>Начиная с канала %1 нет пустой строки: ничего не вставлено.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Вставить строку</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Удалить строки</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Сортировать по частоте</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Заполнить вниз</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Последовательный порт</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Ход передачи</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Таблица каналов</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>Нет недавних файлов</translation>
    </message>
</context>
</TS>
