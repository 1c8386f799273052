<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>frmMain</name>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>字节</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>千字节</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>兆字节</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>吉字节</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>太字节</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>拍字节</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>艾字节</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>字节</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>千字节</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>兆字节</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>吉字节</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>太字节</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>拍字节</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>艾字节</translation>
    </message>
    <message>
        <source>Result in bytes</source>
        <translation>以字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>以千字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>以兆字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>以吉字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>以太字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>以拍字节为单位的结果</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>以艾字节为单位的结果</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>要换算的数值</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>请输入您要换算的数值</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>要换算的数值</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>输入单位</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>请选择您所输入数值的单位</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>计算(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>使用说明(&amp;I)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>请输入有效的数值。</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>数值太大，无法换算。</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>打印此窗口时出错。</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>页面可能已经打印：打印机未及时响应。再次打印前，请先检查打印机。</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>使用 Mensurex 时，只需在“要换算的数值”框中输入一个数值。然后选择该数值所用的单位，例如字节、千字节（KB）、兆字节（MB）或吉字节（GB）。接着单击“计算”按钮即可查看结果。举例来说，要知道 100 兆字节等于多少字节、千字节和吉字节，请在“要换算的数值”框中输入 100，在“输入单位”区域中选择“兆字节”，然后单击“计算”。结果显示在“结果”区域中。</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>文本未粘贴：输入框最多只能容纳 32,767 个字符。</translation>
    </message>
</context>
</TS>
