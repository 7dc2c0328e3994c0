<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Studio</name>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>适应窗口(&amp;F)</translation>
    </message>
</context>
</TS>
