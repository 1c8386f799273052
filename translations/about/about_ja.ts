<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex は、バ⁠イ⁠トからエ⁠ク⁠サ⁠バ⁠イ⁠トまでの 7&#xa0;つ⁠の単位をすばやく簡単に変換できるシ⁠ン⁠プ⁠ルなツ⁠ー⁠ルです。</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 は MIT ラ⁠イ⁠セ⁠ン⁠スのフ⁠リ⁠ー⁠ソ⁠フ⁠ト⁠ウ⁠ェ⁠アで、無保証です。問題は mensurex@example.org までご報告ください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>バージョン情報ウィンドウを閉じます</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>プログラムのアイコン</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>フロッピーディスク</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Web アドレス</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>アプリケーション名</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免責事項</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>%1 について</translation>
    </message>
</context>
</TS>
