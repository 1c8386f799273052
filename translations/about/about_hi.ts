<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>‘परिचय’ विंडो बंद करें</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>प्रोग्राम का चित्र</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>फ़्लॉपी डिस्क</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>वेब पता</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex को बाइट, किलोबाइट, मेगाबाइट, गीगाबाइट, टेराबाइट, पेटाबाइट और एक्साबाइट को जल्दी और आसानी से बदलने के एक सरल साधन के रूप में बनाया गया है।</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>प्रोग्राम का नाम</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>अस्वीकरण</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>संस्करण %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 MIT लाइसेंस के अंतर्गत मुक्त सॉफ़्टवेयर है और इसकी कोई वारंटी नहीं है। कृपया समस्याओं की सूचना mensurex@example.org पर दें।</translation>
    </message>
</context>
</TS>
