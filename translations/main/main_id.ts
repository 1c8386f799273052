<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>frmMain</name>
    <message>
        <source>Result in bytes</source>
        <translation>Hasil dalam byte</translation>
    </message>
    <message>
        <source>Result in kilobytes</source>
        <translation>Hasil dalam kilobyte</translation>
    </message>
    <message>
        <source>Result in megabytes</source>
        <translation>Hasil dalam megabyte</translation>
    </message>
    <message>
        <source>Result in gigabytes</source>
        <translation>Hasil dalam gigabyte</translation>
    </message>
    <message>
        <source>Result in terabytes</source>
        <translation>Hasil dalam terabyte</translation>
    </message>
    <message>
        <source>Result in petabytes</source>
        <translation>Hasil dalam petabyte</translation>
    </message>
    <message>
        <source>Result in exabytes</source>
        <translation>Hasil dalam exabyte</translation>
    </message>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Masukkan angka</translation>
    </message>
    <message>
        <source>Enter the number you wish to convert</source>
        <translation>Masukkan angka yang ingin Anda konversi</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Angka yang dikonversi</translation>
    </message>
    <message>
        <source>Entry Criteria</source>
        <translation>Satuan</translation>
    </message>
    <message>
        <source>Select the criteria for the number to convert you entered</source>
        <translation>Pilih satuan angka yang Anda masukkan</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Hapus semua</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Hitung</translation>
    </message>
    <message>
        <source>&amp;Print Form</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hitung</translation>
    </message>
    <message>
        <source>Print Form</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Petunjuk</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>You must enter a valid numeric amount .</source>
        <translation>Masukkan angka yang valid.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Angka terlalu besar untuk dikonversi.</translation>
    </message>
    <message>
        <source>The text was not pasted: the entry holds at most 32767 characters.</source>
        <translation>Teks tidak ditempelkan: kolom ini memuat paling banyak 32.767 karakter.</translation>
    </message>
    <message>
        <source>There has been an error printing this form.</source>
        <translation>Terjadi kesalahan saat mencetak jendela ini.</translation>
    </message>
    <message>
        <source>The page may have printed: the printer did not answer in time. Check the printer before you print again.</source>
        <translation>Halaman mungkin sudah tercetak: printer tidak merespons tepat waktu. Periksa printer sebelum mencetak lagi.</translation>
    </message>
    <message>
        <source>To use the Mensurex, simply add a numberical value in the ENTER NUMBER TO CONVERT box. Select the appropriate criteria you wish to convert, byte, kilobyte, megabyte or gigabyte. Next, click the Calculate button to view the results. As an example, if you wanted to see how many bytes, kilobytes and gigabytess were in 100 megabytes, simply type 100 in the ENTER NUMBER TO CONVERT field and select MEGABYTES in the CRITERIA section, then click CALCULATE.  View the results in the RESULTS section.</source>
        <translation>Untuk menggunakan Mensurex, masukkan angka di kolom MASUKKAN ANGKA. Pilih satuan angka tersebut, misalnya byte, kilobyte, megabyte, atau gigabyte. Lalu klik tombol Hitung untuk melihat hasilnya. Contohnya, untuk mengetahui berapa byte, kilobyte, dan gigabyte dalam 100 megabyte, ketik 100 di kolom MASUKKAN ANGKA, pilih MEGABYTE di bagian SATUAN, lalu klik HITUNG. Hasilnya tampil di bagian HASIL.</translation>
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
