<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="zh_CN">
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
</context>
</TS>
