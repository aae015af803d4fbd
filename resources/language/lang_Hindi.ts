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
</context>
</TS>
