<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Studio</name>
    <message>
        <source>Open Sounding as S&amp;tream...</source>
        <translation>按数据流打开测深文件(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>适应窗口(&amp;F)</translation>
    </message>
</context>
</TS>
