<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex 是一款简单的工具，用于快速、轻松地换算字节、千字节、兆字节、吉字节、太字节、拍字节和艾字节。</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 是采用 MIT 许可证的自由软件，不提供任何担保。如有问题，请发送邮件至 mensurex@example.org。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>关闭“关于”窗口</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>程序图标</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>软盘</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>应用程序名称</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免责声明</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>关于 %1</translation>
    </message>
</context>
</TS>
