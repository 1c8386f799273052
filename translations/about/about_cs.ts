<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Zavře okno „O&#xa0;programu“</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Obrázek programu</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Disketa</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webová adresa</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex vznikl jako jednoduchý nástroj k&#xa0;rychlému a snadnému převodu bajtů, kilobajtů, megabajtů, gigabajtů, terabajtů, petabajtů a exabajtů.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Název programu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Právní upozornění</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>O&#xa0;programu %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 je svobodný software pod licencí MIT, bez jakékoli záruky. Problémy prosím hlaste na adresu mensurex@example.org.</translation>
    </message>
</context>
</TS>
