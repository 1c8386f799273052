<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex is een eenvoudig hulpmiddel om snel en gemakkelijk bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes en exabytes om te rekenen.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 is vrije software onder de MIT-licentie, zonder enige garantie. Meld problemen via mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Sluit het venster ‘Over’</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programma-afbeelding</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Een diskette</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadres</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Programmanaam</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Disclaimer</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Over %1</translation>
    </message>
</context>
</TS>
