<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Đóng cửa sổ “Giới thiệu”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Hình của chương trình</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Đĩa mềm</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Địa chỉ web</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex là một công cụ đơn giản giúp chuyển đổi nhanh chóng và dễ dàng giữa byte, kilobyte, megabyte, gigabyte, terabyte, petabyte và exabyte.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Mô tả</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Tên chương trình</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Phiên bản</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Miễn trừ trách nhiệm</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Giới thiệu %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Phiên bản %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 là phần mềm tự do theo Giấy phép MIT, không kèm bất kỳ bảo đảm nào. Vui lòng báo lỗi tới mensurex@example.org.</translation>
    </message>
</context>
</TS>
