<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fenster „Über“ schließen</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Diskette</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex wurde als einfaches Werkzeug entwickelt, mit dem sich Bytes, Kilobytes, Megabytes, Gigabytes, Terabytes, Petabytes und Exabytes schnell und bequem umrechnen lassen.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 ist freie Software unter der MIT-Lizenz, ohne jede Gewährleistung. Bitte melden Sie Probleme an mensurex@example.org.</translation>
    </message>
</context>
</TS>
