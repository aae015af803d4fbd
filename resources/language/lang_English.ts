<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>Open JSON File</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Save channel file</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save the file</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Write channel file</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Refresh serial port list</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Sending ..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Send the selected channel data to the device</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>deselect all</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Quickly select channels</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Control terminal</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>Not connected to serial port!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Writing..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Reading..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>The serial port was not successfully opened,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Please enter a valid line number</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Please select the corresponding serial port</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Read the selected channel data from the device</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Jump to Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Jump to the corresponding channel number</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Connect serial port</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Choose language</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>The file was not saved: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>The connection to the serial port was lost: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>%1 channel(s) failed: %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>not JSON text (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>not a channel file</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%2 entries of %1 were not loaded: their key is not their channel number, or the number is not within 0~999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>Changes to channel %1 have not been saved.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location not 0 to 999, skipped (lines: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Unclosed quote, skipped (lines: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Invalid frequency, skipped (channels: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Invalid transmit frequency, skipped (channels: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Repeated channel, last line kept (channels: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off or unknown, transmit on the receive frequency (channels: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Unknown mode, set to NFM (channels: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS not supported, tones set to 0 (channels: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Tone invalid or not in the list, set to 0 (channels: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Name over 11 bytes, shortened (channels: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>The file is not UTF-8 text</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>The file has no Location column</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>The file has no Frequency column</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>The file holds no usable channel</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>After writing, read every channel back and compare it with what was sent</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>not transferred</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>stored differently: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Written and verified: %1 channels in %2 s, %3 failed</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Written: %1 channels in %2 s, %3 failed</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Read: %1 channels in %2 s, %3 failed</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Write cancelled</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Read cancelled</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Write stopped: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Read stopped: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 channel(s) stored differently:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>the radio does not answer</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>The radio does not answer; the transfer was stopped. Channels not transferred: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Verifying %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Writing %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Reading %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>the connection to the serial port was lost</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Channels not transferred: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>You may not open this device. On Linux, add your user to the device&apos;s group (here %1) and log in again: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Clear rows</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Tick edited rows</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Name or frequency:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>Nothing pasted: %2 of channel %1 cannot take &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>&quot;%1&quot; not found.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>Saved %1 channels to %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>Opened %1: %2 channels</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Channel files (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Disconnected from %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>Found &quot;%1&quot;: channel %2 (search wrapped to the start)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>Found &quot;%1&quot;: channel %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Read the ticked channels and compare them with the table; the table is not changed</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Before writing, read these channels, save a backup and show what will change</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Preview before writing</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Comparison with the radio</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>The write changes %1 channels; %2 channels stay unchanged.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 channels differ from the radio; %2 channels are the same.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Radio&apos;s value</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Table&apos;s value</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Write only the changed channels</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Take radio&apos;s values</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Put the radio&apos;s values of the selected channels into the table</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Open latest backup</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Write cancelled: the backup was not completed</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Compared: %1 channels differ, %2 are the same</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>The backup was not saved; nothing was written: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>No changes to write</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>There are no backups yet.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>Comparing..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>Backing up..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>The selected rows are already at the top.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>The selected rows are already at the bottom.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>No empty row from channel %1 down: nothing inserted.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insert row</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Remove rows</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Sort by name</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Sort by frequency</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Fill down</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Transfer progress</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Channel table</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>No recent files</translation>
    </message>
</context>
</TS>
