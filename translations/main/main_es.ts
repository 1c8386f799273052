<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>frmMain</name>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabytes</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabytes</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exabytes</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabytes</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabytes</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exabytes</translation>
    </message>
    <message>
        <source>Result in bytes</source>
        <translation>Resultado en bytes</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Resultado en kilobytes</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Resultado en megabytes</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Resultado en gigabytes</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Resultado en terabytes</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Resultado en petabytes</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Resultado en exabytes</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Número a convertir</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Escriba el número que desea convertir</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Número a convertir</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Seleccione la unidad en la que ha escrito el número</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Escriba un número válido.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>El número es demasiado grande para convertirlo.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Se ha producido un error al imprimir esta ventana.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Es posible que la página se haya impreso: la impresora no respondió a tiempo. Compruebe la impresora antes de volver a imprimir.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Para usar Mensurex, escriba un número en el campo NÚMERO A CONVERTIR. Seleccione la unidad en la que está expresado ese número, por ejemplo, byte, kilobyte, megabyte o gigabyte. A continuación, pulse el botón Calcular para ver los resultados. Un ejemplo: para saber cuántos bytes, kilobytes y gigabytes hay en 100 megabytes, escriba 100 en el campo NÚMERO A CONVERTIR, seleccione MEGABYTES en la sección UNIDAD y pulse CALCULAR. Los resultados se muestran en la sección RESULTADOS.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>El texto no se ha pegado: el campo admite como máximo 32&#xa0;767 caracteres.</translation>
    </message>
</context>
</TS>
