<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Menutup jendela “Tentang”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Gambar aplikasi</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Disket</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Alamat web</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex dikembangkan sebagai alat sederhana untuk mengonversi byte, kilobyte, megabyte, gigabyte, terabyte, petabyte, dan exabyte dengan cepat dan mudah.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Deskripsi</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nama aplikasi</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Penafian</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Tentang %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 adalah perangkat lunak bebas berlisensi MIT, tanpa jaminan apa pun. Laporkan masalah ke mensurex@example.org.</translation>
    </message>
</context>
</TS>
