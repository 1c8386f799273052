<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>إغلاق نافذة «حول»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>صورة البرنامج</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>قرص مرن</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>عنوان الويب</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>يُعد Mensurex أداة بسيطة للتحويل السريع والسهل بين البايت والكيلوبايت والميغابايت والغيغابايت والتيرابايت والبيتابايت والإكسابايت.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>اسم البرنامج</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>إخلاء المسؤولية</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>إن Mensurex 2 برنامج حر بموجب رخصة MIT، دون أي ضمان. يُرجى إبلاغنا بالمشكلات على العنوان mensurex@example.org.</translation>
    </message>
</context>
</TS>
