<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
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
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>JSON テキストではありません（%1）</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>チャンネルファイルではありません</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%1 の %2 件のエントリは読み込まれませんでした：キーがチャンネル番号と一致しないか、番号が 0~999 の範囲外です。
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>チャンネル %1 の変更はまだ保存されていません。</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location が 0～999 の範囲外のためスキップ（行：%1）</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>引用符が閉じていないためスキップ（行：%1）</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>周波数が無効のためスキップ（チャネル：%1）</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>送信周波数が無効のためスキップ（チャネル：%1）</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>チャネルが重複、最後の行を使用（チャネル：%1）</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex が off または不明、受信周波数で送信（チャネル：%1）</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>不明なモード、NFM に設定（チャネル：%1）</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS は非対応、トーンを 0 に設定（チャネル：%1）</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>トーンが無効またはリストにない、0 に設定（チャネル：%1）</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>名前が 11 バイトを超えたため短縮（チャネル：%1）</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>ファイルが UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>ファイルに Location 列がありません</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>ファイルに Frequency 列がありません</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>ファイルに使用できるチャネルがありません</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
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
    <message>
        <source>撤销</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>行をクリア</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>変更した行にチェック</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>検索…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>名前または周波数：</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>貼り付けていません：チャンネル %1 の %2 に「%3」は入りません。</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>「%1」は見つかりません。</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 件のチャンネルを %2 に保存しました</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 を開きました: %2 件のチャンネル</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>チャンネルファイル (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>%1 に接続しました</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>%1 から切断しました</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>「%1」が見つかりました: チャンネル %2（先頭から検索しました）</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>「%1」が見つかりました: チャンネル %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>チェックしたチャンネルを読み取り、表と比較します。表は変更されません</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>書き込み前にこれらのチャンネルを読み取り、バックアップを保存して、変更される内容を表示します</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>書き込み前のプレビュー</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>無線機との比較</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>書き込みで %1 チャンネルが変更され、%2 チャンネルは変わりません。</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 チャンネルが無線機と異なり、%2 チャンネルが同じです。</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>列</source>
        <translation>列</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>無線機の値</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>新しい値</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>表の値</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>変更されたチャンネルのみ書き込む</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>無線機の値を取り込む</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>選択したチャンネルの無線機の値を表に取り込みます</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>最新のバックアップを開く</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>書き込みを取り消しました: バックアップが完了しませんでした</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>比較完了: %1 チャンネルが異なり、%2 チャンネルが同じ</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>バックアップが保存されなかったため、書き込みませんでした: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>書き込む変更はありません</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>バックアップはまだありません。</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>比較中..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>バックアップ中..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>選択した行はすでに一番上です。</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>選択した行はすでに一番下です。</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>チャンネル %1 以降に空の行がありません。挿入しませんでした。</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>行を挿入</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>行を削除</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>名前で並べ替え</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>周波数で並べ替え</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>下方向へコピー</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>転送の進行状況</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>チャンネル表</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
</context>
</TS>
