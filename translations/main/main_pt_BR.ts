<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Resultado em bytes</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Resultado em kilobytes</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Resultado em megabytes</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Resultado em gigabytes</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Resultado em terabytes</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Resultado em petabytes</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Resultado em exabytes</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Número a converter</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Digite o número que você deseja converter</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Número a converter</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Selecione a unidade em que você digitou o número</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
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
        <translation>&amp;Fechar</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Digite um número válido.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>O número é grande demais para ser convertido.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Ocorreu um erro ao imprimir esta janela.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>A página pode ter sido impressa: a impressora não respondeu a tempo. Verifique a impressora antes de imprimir novamente.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Para usar o Mensurex, digite um número no campo NÚMERO A CONVERTER. Selecione a unidade em que o número está expresso, por exemplo, byte, kilobyte, megabyte ou gigabyte. Em seguida, clique no botão Calcular para ver os resultados. Um exemplo: para saber quantos bytes, kilobytes e gigabytes há em 100 megabytes, digite 100 no campo NÚMERO A CONVERTER, selecione MEGABYTES na seção UNIDADE e clique em CALCULAR. Os resultados aparecem na seção RESULTADOS.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>O texto não foi colado: o campo comporta no máximo 32.767 caracteres.</translation>
    </message>
</context>
</TS>
