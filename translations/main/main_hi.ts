<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>बाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>किलोबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>मेगाबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>गीगाबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>टेराबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>पेटाबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>एक्साबाइट में परिणाम</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>संख्या दर्ज करें</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>वह संख्या दर्ज करें जिसे आप बदलना चाहते हैं</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>बदली जाने वाली संख्या</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>संख्या की इकाई</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>दर्ज की गई संख्या की इकाई चुनें</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>सब मिटाएँ</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>गणना करें(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>प्रिंट करें(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>निर्देश(&amp;I)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>परिचय(&amp;B)</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>कृपया एक मान्य संख्या दर्ज करें।</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>यह संख्या बदलने के लिए बहुत बड़ी है।</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>टेक्स्ट चिपकाया नहीं गया: इस बॉक्स में अधिकतम 32,767 वर्ण आ सकते हैं।</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>इस विंडो को प्रिंट करते समय एक त्रुटि हुई।</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>हो सकता है कि पेज प्रिंट हो गया हो: प्रिंटर ने समय पर जवाब नहीं दिया। दोबारा प्रिंट करने से पहले प्रिंटर जाँच लें।</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Mensurex का उपयोग करने के लिए ‘संख्या दर्ज करें’ बॉक्स में कोई संख्या लिखें और उस संख्या की इकाई चुनें, जैसे बाइट, किलोबाइट, मेगाबाइट या गीगाबाइट। फिर परिणाम देखने के लिए ‘गणना करें’ बटन पर क्लिक करें। उदाहरण के लिए, यह जानने के लिए कि 100 मेगाबाइट में कितने बाइट, कितने किलोबाइट और कितने गीगाबाइट होते हैं, ‘संख्या दर्ज करें’ बॉक्स में 100 लिखें, ‘संख्या की इकाई’ भाग में ‘मेगाबाइट’ चुनें और ‘गणना करें’ पर क्लिक करें। परिणाम ‘परिणाम’ भाग में दिखेंगे।</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>बाइट</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>किलोबाइट</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>मेगाबाइट</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>गीगाबाइट</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>टेराबाइट</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>पेटाबाइट</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>एक्साबाइट</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>बाइट</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>किलोबाइट</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>मेगाबाइट</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>गीगाबाइट</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>टेराबाइट</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>पेटाबाइट</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>एक्साबाइट</translation>
    </message>
</context>
</TS>
