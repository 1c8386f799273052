<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>بستن پنجرهٔ «درباره»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>تصویر برنامه</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>فلاپی دیسک</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>نشانی وب</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>برنامهٔ Mensurex ابزاری ساده برای تبدیل سریع و آسان واحدهای بایت، کیلوبایت، مگابایت، گیگابایت، ترابایت، پتابایت و اگزابایت به یکدیگر است.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>توضیحات</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>نام برنامه</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>نسخه</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>سلب مسئولیت</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>دربارهٔ %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>نسخهٔ %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>برنامهٔ Mensurex 2 نرم‌افزاری آزاد با پروانهٔ MIT و بدون هرگونه ضمانت است. لطفاً مشکلات را به نشانی mensurex@example.org گزارش دهید.</translation>
    </message>
</context>
</TS>
