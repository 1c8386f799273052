<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Kết quả tính bằng byte</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Kết quả tính bằng kilobyte</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Kết quả tính bằng megabyte</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Kết quả tính bằng gigabyte</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Kết quả tính bằng terabyte</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Kết quả tính bằng petabyte</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Kết quả tính bằng exabyte</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Nhập số cần đổi</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Nhập số bạn muốn chuyển đổi</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Số cần chuyển đổi</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Đơn vị của số</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Chọn đơn vị của số bạn đã nhập</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Xóa hết</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Tính</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;In</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Đón&amp;g</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Tính</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Tệ&amp;p</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>T&amp;rợ giúp</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Hướng dẫn</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Bạn phải nhập một số hợp lệ.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Số quá lớn, không thể chuyển đổi.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Chưa dán văn bản: ô nhập chỉ chứa được tối đa 32.767 ký tự.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Đã xảy ra lỗi khi in cửa sổ này.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Có thể trang đã được in: máy in không phản hồi kịp thời. Hãy kiểm tra máy in trước khi in lại.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Để dùng Mensurex, bạn chỉ cần nhập một giá trị số vào ô “Nhập số cần đổi”, rồi chọn đơn vị của số đó, chẳng hạn byte, kilobyte, megabyte hoặc gigabyte. Sau đó nhấn nút “Tính” để xem kết quả. Ví dụ, muốn biết 100 megabyte bằng bao nhiêu byte, kilobyte và gigabyte, hãy gõ 100 vào ô “Nhập số cần đổi”, chọn “Megabyte” trong phần “Đơn vị của số”, rồi nhấn “Tính”. Kết quả hiện ra trong phần “Kết quả”.</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>unit option button</comment>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>unit option button</comment>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>unit option button</comment>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>unit option button</comment>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>unit option button</comment>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>unit option button</comment>
        <translation>Petabyte</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>unit option button</comment>
        <translation>Exabyte</translation>
    </message>
    <message>
        <source>Bytes</source>
        <comment>result label</comment>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobytes</source>
        <comment>result label</comment>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabytes</source>
        <comment>result label</comment>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabytes</source>
        <comment>result label</comment>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabytes</source>
        <comment>result label</comment>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Petabytes</source>
        <comment>result label</comment>
        <translation>Petabyte</translation>
    </message>
    <message>
        <source>Exabytes</source>
        <comment>result label</comment>
        <translation>Exabyte</translation>
    </message>
</context>
</TS>
