<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex создан как простой инструмент для быстрого и удобного пересчёта байтов, килобайтов, мегабайтов, гигабайтов, терабайтов, петабайтов и эксабайтов.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 — свободная программа под лицензией MIT, без каких-либо гарантий. О&#xa0;проблемах сообщайте по адресу mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Закрыть окно «О программе»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Дискета</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Веб-адрес</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Название программы</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Отказ от ответственности</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>О программе %1</translation>
    </message>
</context>
</TS>
