<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>ปิดหน้าต่าง “เกี่ยวกับ”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>รูปของโปรแกรม</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>แผ่นดิสก์</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>ที่อยู่เว็บ</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex เป็นเครื่องมือง่าย ๆ ที่ช่วยแปลงหน่วยข้อมูลได้อย่างรวดเร็วและสะดวก ได้แก่ ไบต์ กิโลไบต์ เมกะไบต์ กิกะไบต์ เทระไบต์ เพตะไบต์ และเอกซะไบต์</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>คำอธิบาย</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>ชื่อโปรแกรม</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>รุ่น</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>ข้อจำกัดความรับผิดชอบ</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>เกี่ยวกับ %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>รุ่น %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 เป็นซอฟต์แวร์เสรีภายใต้สัญญาอนุญาต MIT โดยไม่มีการรับประกันใด ๆ โปรดแจ้งปัญหาที่ mensurex@example.org</translation>
    </message>
</context>
</TS>
