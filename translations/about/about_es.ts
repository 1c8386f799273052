<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>frmAbout</name>
    <message>
        <source>The Mensurex was developed as a simple tool to quickly and easily calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes and exabytes.</source>
        <translation>Mensurex se desarrolló como una herramienta sencilla para convertir de forma rápida y fácil bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes y exabytes.</translation>
    </message>
    <message>
        <source>Mensurex 2 is free software under the MIT License, with no warranty. Please report problems to mensurex@example.org.</source>
        <translation>Mensurex 2 es software libre con licencia MIT, sin ninguna garantía. Comunique cualquier problema a mensurex@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Cierra la ventana «Acerca de»</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Imagen del programa</translation>
    </message>
    <message>
        <source>A diskette</source>
        <translation>Un disquete</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Application title</source>
        <translation>Nombre del programa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>The About window&apos;s version line; %1 is the version, e.g. 2.0.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Exención de responsabilidad</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s caption; %1 is the application title.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
</context>
</TS>
