<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex powstał jako proste narzędzie do szybkiego i łatwego przeliczania bajtów, kilobajtów, megabajtów, gigabajtów, terabajtów, petabajtów i eksabajtów.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 jest wolnym oprogramowaniem na licencji MIT, bez żadnej gwarancji. Problemy prosimy zgłaszać na adres mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Zamyka okno „O programie”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Dyskietka</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adres WWW</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Wyłączenie odpowiedzialności</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>O programie %1</translation>
    </message>
</context>
</TS>
