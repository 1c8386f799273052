<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>킬로바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>메가바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>기가바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>테라바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>페타바이트 단위 결과</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>엑사바이트 단위 결과</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>변환할 숫자</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>변환할 숫자를 입력하십시오</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>변환할 숫자</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>입력 단위</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>입력한 숫자의 단위를 선택하십시오</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>계산(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>사용법(&amp;I)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>프로그램 정보(&amp;A)</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>올바른 숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>숫자가 너무 커서 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>텍스트를 붙여 넣지 않았습니다. 입력란에는 최대 32,767자까지 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>이 창을 인쇄하는 중에 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>페이지가 인쇄되었을 수도 있습니다. 프린터가 제시간에 응답하지 않았습니다. 다시 인쇄하기 전에 프린터를 확인하십시오.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Mensurex를 사용하려면 ‘변환할 숫자’ 상자에 숫자 값을 입력합니다. 입력한 숫자의 단위(예: 바이트, 킬로바이트, 메가바이트, 기가바이트)를 선택합니다. 그런 다음 ‘계산’ 버튼을 클릭하면 결과가 표시됩니다. 예를 들어 100메가바이트가 몇 바이트, 몇 킬로바이트, 몇 기가바이트인지 알아보려면 ‘변환할 숫자’ 상자에 100을 입력하고 ‘입력 단위’에서 ‘메가바이트’를 선택한 다음 ‘계산’을 클릭합니다. 결과는 ‘결과’ 영역에 표시됩니다.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>바이트</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>킬로바이트</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>메가바이트</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>기가바이트</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>테라바이트</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>페타바이트</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>엑사바이트</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>바이트</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>KB</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>MB</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>GB</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>TB</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>PB</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>EB</translation>
    </message>
</context>
</TS>
