<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Bayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Kilobayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Megabayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Gigabayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Terabayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Petabayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Eksabayt cinsinden sonuç</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Dönüştürülecek sayı</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Dönüştürmek istediğiniz sayıyı girin</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Dönüştürülecek sayı</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Giriş birimi</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Girdiğiniz sayının birimini seçin</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Hesapla</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>Ya&amp;zdır</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Talimatlar</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Geçerli bir sayısal değer girin.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Sayı, dönüştürülemeyecek kadar büyük.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Metin yapıştırılmadı: giriş kutusu en fazla 32.767 karakter alabilir.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Bu pencere yazdırılırken bir hata oluştu.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Sayfa yazdırılmış olabilir: yazıcı zamanında yanıt vermedi. Yeniden yazdırmadan önce yazıcıyı kontrol edin.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Mensurex’i kullanmak için “Dönüştürülecek sayı” kutusuna sayısal bir değer girin. Sayının birimini seçin; örneğin bayt, kilobayt, megabayt veya gigabayt. Ardından sonuçları görmek için “Hesapla” düğmesine tıklayın. Diyelim ki 100 megabaytın kaç bayt, kaç kilobayt ve kaç gigabayt ettiğini öğrenmek istiyorsunuz: “Dönüştürülecek sayı” kutusuna 100 yazın, “Giriş birimi” bölümünde “Megabayt” seçeneğini işaretleyin ve “Hesapla” düğmesine tıklayın. Sonuçlar “Sonuçlar” bölümünde görünür.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Bayt</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobayt</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabayt</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabayt</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabayt</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabayt</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Eksabayt</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Bayt</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobayt</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabayt</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabayt</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabayt</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabayt</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Eksabayt</translation>
    </message>
</context>
</TS>
