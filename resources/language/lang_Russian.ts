<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>0~</source>
        <translation type="unfinished"></translation>
    </message>
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
</context>
</TS>
