<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Закрити вікно «Про програму»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Значок програми</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Дискета</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Вебадреса</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex створено як простий інструмент для швидкого й зручного перетворення байтів, кілобайтів, мегабайтів, гігабайтів, терабайтів, петабайтів та ексабайтів.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Назва програми</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Відмова від відповідальності</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 — вільна програма за ліцензією MIT, без жодних гарантій. Про проблеми повідомляйте на адресу mensurex@example.org.</translation>
    </message>
</context>
</TS>
