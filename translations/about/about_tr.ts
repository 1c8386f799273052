<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>“Hakkında” penceresini kapat</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Program simgesi</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Disket</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web adresi</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex, bayt, kilobayt, megabayt, gigabayt, terabayt, petabayt ve eksabayt arasında hızlı ve kolay dönüştürme yapmak için geliştirilmiş basit bir araçtır.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Program adı</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Sorumluluk reddi</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2, MIT Lisansı ile dağıtılan özgür bir yazılımdır ve hiçbir garantisi yoktur. Lütfen sorunları mensurex@example.org adresine bildirin.</translation>
    </message>
</context>
</TS>
