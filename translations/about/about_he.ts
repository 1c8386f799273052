<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>סגירת חלון האודות</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>תמונת התוכנה</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>תקליטון</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>כתובת אתר</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>התוכנה Mensurex פותחה ככלי פשוט להמרה מהירה וקלה בין בתים, קילו־בייטים, מגה־בייטים, ג׳יגה־בייטים, טרה־בייטים, פטה־בייטים ואקסה־בייטים.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>שם התוכנה</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>כתב ויתור</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>על אודות %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>התוכנה Mensurex 2 חופשית ומופצת ברישיון MIT, ללא כל אחריות. נא לדווח על בעיות לכתובת mensurex@example.org.</translation>
    </message>
</context>
</TS>
