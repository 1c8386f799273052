<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Stänger fönstret ”Om”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programbild</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>En diskett</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webbadress</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex har tagits fram som ett enkelt verktyg för att snabbt och smidigt räkna om byte, kilobyte, megabyte, gigabyte, terabyte, petabyte och exabyte.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Programnamn</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Ansvarsfriskrivning</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 är fri programvara under MIT-licensen, utan några garantier. Rapportera problem till mensurex@example.org.</translation>
    </message>
</context>
</TS>
