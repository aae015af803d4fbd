<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>打开json文件</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>保存信道文件</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>写入信道文件</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>刷新串口列表</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>发送中...</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>发送被勾选的信道数据至设备</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>取消全选</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>快速勾选信道</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>控制终端</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>未连接串口!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>正在发送..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>正在读取..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>没有成功打开串口,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>请输入有效的行号 (0~%1)</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>请选择设备对应的串口</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>从设备读取被勾选的信道数据</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>跳转Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>跳转至对应信道号</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>连接串口</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>选择语言</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>文件没有保存：%1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>与串口的连接已断开：%1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>%1 个信道传输失败：%2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>不是 JSON 文本（%1）</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>不是信道文件</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>信道 %1 的修改还没有保存。</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location 不在 0~999，已跳过（行：%1）</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>引号未闭合，已跳过（行：%1）</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>频率无效，已跳过（信道：%1）</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>发射频率无效，已跳过（信道：%1）</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>信道重复，以最后一行为准（信道：%1）</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>未知模式，已设为 NFM（信道：%1）</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>不支持 DTCS，亚音已设为 0（信道：%1）</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>亚音无效或不在列表中，已设为 0（信道：%1）</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>名称超过 11 字节，已截短（信道：%1）</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>文件不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>文件缺少 Location 列</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>文件缺少 Frequency 列</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>文件中没有可用的信道</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>写入后读回每个信道并与发送的内容比较</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>未传输</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>存储内容不同：%1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>写入完成：%1 个信道，用时 %2 秒，%3 个失败</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>读取完成：%1 个信道，用时 %2 秒，%3 个失败</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>写入已取消</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>读取已取消</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>写入已停止：%1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>读取已停止：%1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 个信道校验不符：</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>电台没有应答</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>电台没有应答，传输已停止。未传输的信道：%1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>正在校验 %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>正在写入 %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>正在读取 %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>与串口的连接已断开</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>未传输的信道：%1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>清除行</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>勾选修改过的行</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>查找…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>名称或频率：</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>没有粘贴：信道 %1 的 %2 不能取“%3”。</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>没有找到“%1”。</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>已将 %1 个信道保存到 %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>已打开 %1：%2 个信道</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>信道文件 (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>已连接到 %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>已断开 %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>找到“%1”：信道 %2（已从头查找）</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>找到“%1”：信道 %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>读取勾选的信道并与表格比较，表格不变</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>写入前先读取这些信道、保存备份并显示将要改变的内容</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>写入前的预览</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>与电台比较</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>写入将改变 %1 个信道，%2 个信道不变。</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 个信道与电台不同，%2 个信道相同。</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>列</source>
        <translation>列</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>电台的值</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>新的值</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>表格的值</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>只写入改变的信道</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>取电台的值</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>把所选信道的电台的值放进表格</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>打开最新的备份</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>写入已取消：备份没有完成</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>比较完成：%1 个信道不同，%2 个相同</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>备份没有保存，没有写入：%1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>没有需要写入的改变</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>还没有备份。</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>正在比较..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>正在备份..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>选中的行已在最上面。</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>选中的行已在最下面。</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>信道 %1 及以下没有空行：没有插入。</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>插入行</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>移除行</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>按频率排序</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>传输进度</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>信道表</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>没有最近的文件</translation>
    </message>
</context>
</TS>
