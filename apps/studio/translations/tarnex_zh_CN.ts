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
    <message>
        <source>(stopped at the edge of the plotting area)</source>
        <translation>（停在绘图区边缘）</translation>
    </message>
    <message>
        <source>(stopped: %1 must stay above 0)</source>
        <translation>（已停止：%1 必须大于 0）</translation>
    </message>
    <message>
        <source>Abscissa %1   Value %2</source>
        <translation>横坐标 %1   数值 %2</translation>
    </message>
    <message>
        <source>Resistivity %1 Ω·m   Depth %2 m</source>
        <translation>电阻率 %1 Ω·m   深度 %2 m</translation>
    </message>
    <message>
        <source>Measured R, sample %1</source>
        <translation>实测 R，第 %1 个样点</translation>
    </message>
    <message>
        <source>Measured V, sample %1</source>
        <translation>实测 V，第 %1 个样点</translation>
    </message>
    <message>
        <source>Half-space resistivity</source>
        <translation>半空间电阻率</translation>
    </message>
    <message>
        <source>Layer %1 resistivity</source>
        <translation>第 %1 层电阻率</translation>
    </message>
    <message>
        <source>Layer %1 thickness</source>
        <translation>第 %1 层厚度</translation>
    </message>
    <message>
        <source>%1 (abscissa %2): %3</source>
        <translation>%1（横坐标 %2）：%3</translation>
    </message>
    <message>
        <source>%1: %2 Ω·m</source>
        <translation>%1：%2 Ω·m</translation>
    </message>
    <message>
        <source>resistivity</source>
        <translation>电阻率</translation>
    </message>
    <message>
        <source>Exact value</source>
        <translation>精确值</translation>
    </message>
    <message>
        <source>%1 (above 0, at most %2):</source>
        <translation>%1（大于 0，至多 %2）：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: type one such as 12.5</source>
        <translation>“%1”不是数：请输入一个数，例如 12.5</translation>
    </message>
    <message>
        <source>The value must be greater than 0</source>
        <translation>数值必须大于 0</translation>
    </message>
    <message>
        <source>The value must be at most %1</source>
        <translation>数值不能大于 %1</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>厚度 (m)</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>电阻率 (Ω·m)</translation>
    </message>
    <message>
        <source>Half-space</source>
        <translation>半空间</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>第 %1 层</translation>
    </message>
    <message>
        <source>Drag cancelled: %1</source>
        <translation>已取消拖动：%1</translation>
    </message>
    <message>
        <source>(outside the frame: View &gt; Rescale shows it)</source>
        <translation>（在图框之外：“视图 &gt; 重新缩放”可显示）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>分层</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Rescale</source>
        <translation>重新缩放(&amp;R)</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>已撤销：%1 恢复为 %2</translation>
    </message>
    <message>
        <source>Redone: %1 set to %2</source>
        <translation>已重做：%1 设为 %2</translation>
    </message>
</context>
</TS>
