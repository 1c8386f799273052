<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>O Mensurex foi desenvolvido como uma ferramenta simples para converter de forma rápida e fácil bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes e exabytes.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>O Mensurex 2 é software livre sob a Licença MIT, sem nenhuma garantia. Informe problemas pelo email mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fecha a janela “Sobre”</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Ícone do aplicativo</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Um disquete</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Endereço web</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nome do aplicativo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
</context>
</TS>
