<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>JSON-Datei öffnen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Konservierung</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Kanaldatei speichern</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Nicht ausgewählt</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Kanaldatei schreiben</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Liste serieller Ports aktualisieren</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>senden</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Senden ..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Senden der ausgewählten Kanaldaten an das Gerät</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>Alle deaktivieren</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Kanäle schnell auswählen</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Steuerterminal</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>Nicht an die serielle Schnittstelle angeschlossen!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Senden..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Lesen..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>Die serielle Schnittstelle wurde nicht erfolgreich geöffnet,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Bitte geben Sie eine gültige Zeilennummer ein</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Bitte wählen Sie die entsprechende serielle Schnittstelle</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>lesen</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Lesen der ausgewählten Kanaldaten vom Gerät</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Zum Kanal springen</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Zur entsprechenden Kanalnummer springen</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>verbinden</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Serielle Schnittstelle anschließen</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>Die Datei wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>Die Verbindung zur seriellen Schnittstelle wurde unterbrochen: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>Übertragung von %1 Kanal/Kanälen fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>kein JSON-Text (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>keine Kanaldatei</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%2 Einträge aus %1 wurden nicht geladen: ihr Schlüssel ist nicht ihre Kanalnummer, oder die Nummer liegt nicht zwischen 0 und 999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>Die Änderungen an Kanal %1 wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location nicht 0 bis 999, übersprungen (Zeilen: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Anführungszeichen nicht geschlossen, übersprungen (Zeilen: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Ungültige Frequenz, übersprungen (Kanäle: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Ungültige Sendefrequenz, übersprungen (Kanäle: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Kanal mehrfach, letzte Zeile gilt (Kanäle: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off oder unbekannt, Senden auf der Empfangsfrequenz (Kanäle: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Unbekannte Betriebsart, auf NFM gesetzt (Kanäle: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS nicht unterstützt, Töne auf 0 gesetzt (Kanäle: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Ton ungültig oder nicht in der Liste, auf 0 gesetzt (Kanäle: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Name über 11 Byte, gekürzt (Kanäle: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>Die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>Der Datei fehlt die Spalte Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>Der Datei fehlt die Spalte Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>Die Datei enthält keinen verwendbaren Kanal</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>Nach dem Schreiben jeden Kanal zurücklesen und mit dem Gesendeten vergleichen</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>nicht übertragen</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>anders gespeichert: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Geschrieben und geprüft: %1 Kanäle in %2 s, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Geschrieben: %1 Kanäle in %2 s, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Gelesen: %1 Kanäle in %2 s, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Schreiben abgebrochen</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Lesen abgebrochen</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Schreiben gestoppt: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Lesen gestoppt: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 Kanal/Kanäle anders gespeichert:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>das Funkgerät antwortet nicht</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>Das Funkgerät antwortet nicht; die Übertragung wurde gestoppt. Nicht übertragene Kanäle: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Prüfe %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Schreibe %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Lese %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>die Verbindung zur seriellen Schnittstelle ist verloren</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Nicht übertragene Kanäle: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>Sie dürfen dieses Gerät nicht öffnen. Unter Linux fügen Sie Ihren Benutzer der Gruppe des Geräts hinzu (hier %1) und melden sich neu an: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Zeilen leeren</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Geänderte Zeilen ankreuzen</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Name oder Frequenz:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>Nichts eingefügt: %2 von Kanal %1 kann „%3“ nicht aufnehmen.</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>„%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 Kanäle in %2 gespeichert</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 geöffnet: %2 Kanäle</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Kanaldateien (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Verbindung zu %1 getrennt</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>„%1“ gefunden: Kanal %2 (Suche am Anfang fortgesetzt)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>„%1“ gefunden: Kanal %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Die angekreuzten Kanäle lesen und mit der Tabelle vergleichen; die Tabelle bleibt unverändert</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Vor dem Schreiben diese Kanäle lesen, eine Sicherung speichern und zeigen, was sich ändern wird</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Vorschau vor dem Schreiben</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Vergleich mit dem Funkgerät</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>Das Schreiben ändert %1 Kanäle; %2 Kanäle bleiben unverändert.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 Kanäle weichen vom Funkgerät ab; %2 Kanäle sind gleich.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Wert im Funkgerät</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Wert in der Tabelle</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Nur die geänderten Kanäle schreiben</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Werte des Funkgeräts übernehmen</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Die Werte des Funkgeräts für die ausgewählten Kanäle in die Tabelle übernehmen</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Neueste Sicherung öffnen</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Schreiben abgebrochen: die Sicherung wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Verglichen: %1 Kanäle verschieden, %2 gleich</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>Die Sicherung wurde nicht gespeichert; nichts geschrieben: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>Keine Änderungen zu schreiben</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>Es gibt noch keine Sicherung.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>Vergleiche..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>Sichere..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>Die ausgewählten Zeilen stehen schon ganz oben.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>Die ausgewählten Zeilen stehen schon ganz unten.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>Ab Kanal %1 gibt es keine leere Zeile: nichts eingefügt.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Zeilen entfernen</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Nach unten ausfüllen</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Kanaltabelle</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>Keine zuletzt verwendeten Dateien</translation>
    </message>
</context>
</TS>
