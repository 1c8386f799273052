<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>‘프로그램 정보’ 창을 닫습니다</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>프로그램 아이콘</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>플로피 디스크</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>웹 주소</translation>
    </message>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex는 바이트, 킬로바이트, 메가바이트, 기가바이트, 테라바이트, 페타바이트, 엑사바이트를 빠르고 쉽게 변환하는 간단한 도구입니다.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>프로그램 이름</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>면책 조항</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2는 MIT 라이선스의 자유 소프트웨어이며 어떠한 보증도 하지 않습니다. 문제가 있으면 mensurex@example.org로 알려 주십시오.</translation>
    </message>
</context>
</TS>
