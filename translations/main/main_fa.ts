<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>نتیجه بر حسب بایت</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>نتیجه بر حسب کیلوبایت</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>نتیجه بر حسب مگابایت</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>نتیجه بر حسب گیگابایت</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>نتیجه بر حسب ترابایت</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>نتیجه بر حسب پتابایت</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>نتیجه بر حسب اگزابایت</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>عدد موردنظر</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>عددی را که می‌خواهید تبدیل کنید وارد کنید</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>عدد برای تبدیل</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>واحد عدد</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>واحد عددی را که وارد کرده‌اید انتخاب کنید</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>پاک کردن همه</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;محاسبه</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>چ&amp;اپ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ب&amp;ستن</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>نتایج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>پ&amp;رونده</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>را&amp;هنما</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;طرز استفاده</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;درباره</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>یک عدد معتبر وارد کنید.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>این عدد برای تبدیل بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>متن جای‌گذاری نشد: این کادر حداکثر ۳۲٬۷۶۷ نویسه می‌پذیرد.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>هنگام چاپ این پنجره خطایی رخ داد.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>ممکن است صفحه چاپ شده باشد: چاپگر به‌موقع پاسخ نداد. پیش از چاپ دوباره، چاپگر را بررسی کنید.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>برای استفاده از Mensurex، یک مقدار عددی در کادر «عدد موردنظر» بنویسید و واحد آن را انتخاب کنید، مثلاً بایت، کیلوبایت، مگابایت یا گیگابایت. سپس روی دکمهٔ «محاسبه» کلیک کنید تا نتایج را ببینید. برای نمونه، اگر می‌خواهید بدانید 100 مگابایت چند بایت، چند کیلوبایت و چند گیگابایت است، در کادر «عدد موردنظر» عدد 100 را بنویسید، در بخش «واحد عدد» گزینهٔ «مگابایت» را انتخاب کنید و روی «محاسبه» کلیک کنید. نتایج در بخش «نتایج» نمایش داده می‌شود.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>بایت</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>کیلوبایت</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>مگابایت</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>گیگابایت</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>ترابایت</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>پتابایت</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>اگزابایت</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>بایت</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>کیلوبایت</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>مگابایت</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>گیگابایت</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>ترابایت</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>پتابایت</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>اگزابایت</translation>
    </message>
</context>
</TS>
