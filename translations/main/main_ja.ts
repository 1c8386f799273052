<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>frmMain</name>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>バイト</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kバイト</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Mバイト</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gバイト</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Tバイト</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Pバイト</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Eバイト</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>バイト</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kバイト</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Mバイト</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gバイト</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Tバイト</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Pバイト</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Eバイト</translation>
    </message>
    <message>
        <source>Result in bytes</source>
        <translation>バイト単位の結果</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>キロバイト単位の結果</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>メガバイト単位の結果</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>ギガバイト単位の結果</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>テラバイト単位の結果</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>ペタバイト単位の結果</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>エクサバイト単位の結果</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>変換する数値</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>変換したい数値を入力してください</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>変換する数値</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>入力の単位</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>入力した数値の単位を選択してください</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>計算(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>使い方(&amp;I)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>有効な数値を入力してください。</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>数値が大きすぎるため変換できません。</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>このウ⁠ィ⁠ン⁠ド⁠ウの印刷中にエ⁠ラ⁠ーが発生しました。</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>プ⁠リ⁠ン⁠タ⁠ーが時間内に応答しませんでしたが、ペ⁠ー⁠ジは印刷された可能性があります。もう一度印刷する前にプ⁠リ⁠ン⁠タ⁠ーを確認してください。</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Mensurex を使うには、「変換する数値」ボ⁠ッ⁠ク⁠スに数値を入力します。次に、その数値の単位（バ⁠イ⁠ト、キ⁠ロ⁠バ⁠イ⁠ト、メ⁠ガ⁠バ⁠イ⁠ト、ギ⁠ガ⁠バ⁠イ⁠トなど）を選択します。続いて [計算] ボ⁠タ⁠ンをク⁠リ⁠ッ⁠クすると、結果が表示されます。たとえば 100 メ⁠ガ⁠バ⁠イ⁠トが何バ⁠イ⁠ト、何キ⁠ロ⁠バ⁠イ⁠ト、何ギ⁠ガ⁠バ⁠イ⁠トになるかを調べるには、「変換する数値」ボ⁠ッ⁠ク⁠スに 100 と入力し、「入力の単位」で「Mバ⁠イ⁠ト」を選択して [計算] をク⁠リ⁠ッ⁠クします。結果は「結果」欄に表示されます。</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>テ⁠キ⁠ス⁠トは貼り付けられませんでした。入力欄に入力できるのは 32,767 文字までです。</translation>
    </message>
</context>
</TS>
