<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
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
        <translation>ファイルを保存jsonファイルを開く</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存＃ホゾン＃</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>チャネルファイルの保存</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>すべて選択しない</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>チャネルファイルの書き込み</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>シリアルポートリストの更新</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>送信中..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>チェックされたチャネルデータをデバイスに送信する</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>クイックチェックチャネル</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>制御端末</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>接続解除</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>シリアルポートが接続されていません！</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>送信中..。</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>読み取り中..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>シリアルポートを開くことに成功しませんでした、</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>プログラミング</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>有効な行番号を入力してください</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>対応するシリアルポートを選択してください</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>チェックされたチャネルデータをデバイスから読み出す</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>チャンネルをジャンプ</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>対応するチャネル番号にジャンプ</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>せつぞく</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>れんけつシリアルポート</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>言語の選択</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>ファイルは保存されませんでした：%1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>シリアルポートとの接続が切断されました：%1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>%1 個のチャネルの転送に失敗しました：%2</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>検証</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>書き込み後に各チャンネルを読み戻し、送信内容と比較します</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>未転送</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>異なる内容で保存: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>書き込みと検証完了: %1 チャンネル、%2 秒、失敗 %3</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>書き込み完了: %1 チャンネル、%2 秒、失敗 %3</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>読み取り完了: %1 チャンネル、%2 秒、失敗 %3</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>書き込みを取り消しました</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>読み取りを取り消しました</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>書き込みを停止しました: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>読み取りを停止しました: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 チャンネルが異なる内容で保存されました:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>無線機が応答しません</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>無線機が応答しないため転送を停止しました。未転送のチャンネル: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>検証中 %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>書き込み中 %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>読み取り中 %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>シリアルポートとの接続が切れました</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>未転送のチャンネル: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>このデバイスを開く権限がありません。Linux では、ユーザーをデバイスのグループ（ここでは %1）に追加して再ログインしてください: sudo usermod -aG %1 $USER</translation>
    </message>
</context>
</TS>
