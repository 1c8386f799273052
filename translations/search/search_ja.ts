<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>SearchProvider</name>
    <message>
        <source>in|to</source>
        <extracomment>The words that may stand between an amount and the unit to convert it to, as in &quot;1.5 GB in MB&quot;, separated by |. The English &quot;in&quot; and &quot;to&quot; are always understood as well.</extracomment>
        <translation>は何|を</translation>
    </message>
    <message>
        <source>%1 %2 in binary units, 1 %3 = 1024 bytes</source>
        <extracomment>A search result&apos;s description: %1 the amount and %2 its unit as the user typed them, %3 the kilobyte&apos;s symbol in the same way (KB, KiB).</extracomment>
        <translation>%1 %2（2進単位、1 %3 = 1024 バイト）</translation>
    </message>
    <message>
        <source>Copy the exact value</source>
        <translation>正確な値をコピー</translation>
    </message>
    <message>
        <source>Open Mensurex</source>
        <translation>Mensurex を開く</translation>
    </message>
    <message>
        <source>|</source>
        <extracomment>The words that may follow the unit to convert to, separated by |, as the Korean particle in &quot;1.5GB를 MB로&quot;. English has none: &quot;|&quot;.</extracomment>
        <translation>に</translation>
    </message>
</context>
</TS>
