<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>ผลลัพธ์เป็นไบต์</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>ผลลัพธ์เป็นกิโลไบต์</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>ผลลัพธ์เป็นเมกะไบต์</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>ผลลัพธ์เป็นกิกะไบต์</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>ผลลัพธ์เป็นเทระไบต์</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>ผลลัพธ์เป็นเพตะไบต์</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>ผลลัพธ์เป็นเอกซะไบต์</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>ป้อนตัวเลข</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>ป้อนตัวเลขที่ต้องการแปลง</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>ตัวเลขที่จะแปลง</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>หน่วยของตัวเลข</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>เลือกหน่วยของตัวเลขที่ป้อน</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>ล้างทั้งหมด</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>คำนวณ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>พิมพ์(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ปิด(&amp;C)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>คำนวณ</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>ผลลัพธ์</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>คำแนะนำ(&amp;I)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>เกี่ยวกับ(&amp;B)</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>โปรดป้อนตัวเลขที่ถูกต้อง</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>ตัวเลขมีค่ามากเกินกว่าจะแปลงได้</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>ไม่ได้วางข้อความ: ช่องนี้รับได้ไม่เกิน 32,767 ตัวอักษร</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>เกิดข้อผิดพลาดขณะพิมพ์หน้าต่างนี้</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>หน้านี้อาจพิมพ์ออกมาแล้ว เพราะเครื่องพิมพ์ไม่ตอบสนองภายในเวลาที่กำหนด โปรดตรวจสอบเครื่องพิมพ์ก่อนพิมพ์อีกครั้ง</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>วิธีใช้ Mensurex: ป้อนตัวเลขในช่อง “ป้อนตัวเลข” แล้วเลือกหน่วยของตัวเลข เช่น ไบต์ กิโลไบต์ เมกะไบต์ หรือกิกะไบต์ จากนั้นคลิกปุ่ม “คำนวณ” เพื่อดูผลลัพธ์ ตัวอย่างเช่น หากต้องการทราบว่า 100 เมกะไบต์เท่ากับกี่ไบต์ กี่กิโลไบต์ และกี่กิกะไบต์ ให้พิมพ์ 100 ในช่อง “ป้อนตัวเลข” เลือก “เมกะไบต์” ในส่วน “หน่วยของตัวเลข” แล้วคลิก “คำนวณ” ผลลัพธ์จะแสดงในส่วน “ผลลัพธ์”</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>ไบต์</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>กิโลไบต์</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>เมกะไบต์</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>กิกะไบต์</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>เทระไบต์</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>เพตะไบต์</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>เอกซะไบต์</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>ไบต์</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>กิโลไบต์</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>เมกะไบต์</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>กิกะไบต์</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>เทระไบต์</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>เพตะไบต์</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>เอกซะไบต์</translation>
    </message>
</context>
</TS>
