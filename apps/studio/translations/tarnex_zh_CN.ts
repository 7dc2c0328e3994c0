<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ReaderMessage</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: is a directory</source>
        <translation>无法读取 %1：这是一个文件夹</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, the most this reader takes</source>
        <translation>%1 大于 %2 字节，超出读取的上限</translation>
    </message>
    <message>
        <source>not a text file (it holds a NUL byte)</source>
        <translation>不是文本文件（含有 NUL 字节）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1”不是数字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (%2 column)</source>
        <translation>“%1”不是数字（%2 列）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range</source>
        <translation>“%1”超出数值范围</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of range (%2 column)</source>
        <translation>“%1”超出数值范围（%2 列）</translation>
    </message>
    <message>
        <source>holds 1 number; a sounding row holds five (abscissa, measured R, measured V, modelled R, modelled V) or three (abscissa, measured R, measured V); a file whose rows span lines must be read as a stream</source>
        <translation>该行只有 1 个数；测深数据每行五个数（横坐标、实测 R、实测 V、正演 R、正演 V）或三个数（横坐标、实测 R、实测 V）；一行数据跨多行的文件须按数据流读取</translation>
    </message>
    <message>
        <source>holds %1 numbers; a sounding row holds five (abscissa, measured R, measured V, modelled R, modelled V) or three (abscissa, measured R, measured V); a file whose rows span lines must be read as a stream</source>
        <translation>该行有 %1 个数；测深数据每行五个数（横坐标、实测 R、实测 V、正演 R、正演 V）或三个数（横坐标、实测 R、实测 V）；一行数据跨多行的文件须按数据流读取</translation>
    </message>
    <message>
        <source>holds 1 number where the rows above hold %1; a sounding file keeps one count of columns (a file whose rows span lines must be read as a stream)</source>
        <translation>该行只有 1 个数，而上面各行有 %1 个；测深文件各行的列数须相同（一行数据跨多行的文件须按数据流读取）</translation>
    </message>
    <message>
        <source>holds %1 numbers where the rows above hold %2; a sounding file keeps one count of columns (a file whose rows span lines must be read as a stream)</source>
        <translation>该行有 %1 个数，而上面各行有 %2 个；测深文件各行的列数须相同（一行数据跨多行的文件须按数据流读取）</translation>
    </message>
    <message>
        <source>a layer line must hold two numbers (thickness resistivity), found %1</source>
        <translation>地层行须有两个数（厚度 电阻率），实有 %1 个</translation>
    </message>
    <message>
        <source>the half-space line must hold one number (its resistivity), found %1</source>
        <translation>半空间行须只有一个数（其电阻率），实有 %1 个</translation>
    </message>
    <message>
        <source>%1 %2 must be greater than 0</source>
        <translation>%1 %2 必须大于 0</translation>
    </message>
    <message>
        <source>holds no sounding rows</source>
        <translation>没有测深数据行</translation>
    </message>
    <message>
        <source>no layers: the file holds no numbers</source>
        <translation>没有地层：文件中没有数</translation>
    </message>
    <message>
        <source>holds no station rows</source>
        <translation>没有测站数据行</translation>
    </message>
</context>
<context>
    <name>Studio</name>
    <message>
        <source>Axes</source>
        <translation>坐标轴</translation>
    </message>
    <message>
        <source>Double-click an axis or the grid to change it</source>
        <translation>双击坐标轴或网格坐标，修改其参数</translation>
    </message>
    <message>
        <source>Edit a sounding and its layered model with the mouse.</source>
        <translation>用鼠标编辑测深曲线及其层状模型。</translation>
    </message>
    <message>
        <source>layered model file; the bundled sample if none</source>
        <translation>层状模型文件；缺省为自带样例</translation>
    </message>
    <message>
        <source>view of the sounding: linear or loglog</source>
        <translation>测深曲线的视图：linear（线性）或 loglog（双对数）</translation>
    </message>
    <message>
        <source>write the window as it first shows to a PNG file and quit</source>
        <translation>将窗口初次显示的画面写入 PNG 文件后退出</translation>
    </message>
    <message>
        <source>language of menus and messages: zh_CN or en (default: the locale&apos;s)</source>
        <translation>菜单与消息的语言：zh_CN 或 en（缺省随区域设置）</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>剖面曲线</translation>
    </message>
    <message>
        <source>Double-click an axis to change it, the profiles to change their line styles</source>
        <translation>双击坐标轴修改其参数，双击剖面区修改线型</translation>
    </message>
    <message>
        <source>Profile Files (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|All Files (*.*)|*.*||</source>
        <translation>剖面文件 (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Open Profiles</source>
        <translation>打开剖面</translation>
    </message>
    <message>
        <source>Export Profile Panel</source>
        <translation>导出剖面图</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>剖面(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;Profiles...</source>
        <translation>打开剖面(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Line Styles...</source>
        <translation>线型(&amp;L)...</translation>
    </message>
    <message>
        <source>Abscissa &amp;Axis...</source>
        <translation>横坐标轴(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Ordinate Axis...</source>
        <translation>纵坐标轴(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Export Profile Panel...</source>
        <translation>导出剖面图(&amp;E)...</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>二维断面</translation>
    </message>
    <message>
        <source>Double-click an axis to change it</source>
        <translation>双击坐标轴，修改其参数</translation>
    </message>
    <message>
        <source>Open Model…</source>
        <translation>打开模型…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>%1: the model has no extent to draw</source>
        <translation>%1：模型没有可绘制的范围</translation>
    </message>
    <message>
        <source>Polygon Models (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <translation>多边形模型 (*.txt)|*.txt|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Open Polygon Model</source>
        <translation>打开多边形模型</translation>
    </message>
    <message>
        <source>Export Section</source>
        <translation>导出断面</translation>
    </message>
    <message>
        <source>PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf|BMP Image (*.bmp)|*.bmp||</source>
        <translation>PNG 图像 (*.png)|*.png|SVG 矢量图 (*.svg)|*.svg|PDF 文档 (*.pdf)|*.pdf|BMP 图像 (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>tarnex studio</source>
        <translation>tarnex studio</translation>
    </message>
    <message>
        <source>There is no sounding to save.</source>
        <translation>没有可保存的测深曲线。</translation>
    </message>
    <message>
        <source>sounding</source>
        <translation>测深曲线</translation>
    </message>
    <message>
        <source>layered model</source>
        <translation>层状模型</translation>
    </message>
    <message>
        <source>Sounding and Model</source>
        <translation>测深曲线与模型</translation>
    </message>
    <message>
        <source>No view is active: click into a chart first.</source>
        <translation>没有活动视图：请先单击一个图件。</translation>
    </message>
    <message>
        <source>Could not write the view to %1.</source>
        <translation>无法将视图写入 %1。</translation>
    </message>
    <message>
        <source>BMP Image (*.bmp)|*.bmp||</source>
        <translation>BMP 图像 (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Capture View</source>
        <translation>截取视图</translation>
    </message>
    <message>
        <source>About tarnex studio</source>
        <translation>关于 tarnex studio</translation>
    </message>
    <message>
        <source>&lt;b&gt;tarnex studio&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;tarnex studio&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Sounding curves, layered models, profiles, sections and axes of EM sounding work.</source>
        <translation>电磁测深工作的测深曲线、层状模型、剖面、断面与坐标轴。</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Sounding...</source>
        <translation>打开测深曲线(&amp;S)...</translation>
    </message>
    <message>
        <source>Open Sounding</source>
        <translation>打开测深曲线</translation>
    </message>
    <message>
        <source>Open &amp;Model...</source>
        <translation>打开模型(&amp;M)...</translation>
    </message>
    <message>
        <source>Open Layered Model</source>
        <translation>打开层状模型</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开的文件(&amp;R)</translation>
    </message>
    <message>
        <source>Save Sounding</source>
        <translation>保存测深曲线</translation>
    </message>
    <message>
        <source>Save Sounding As...</source>
        <translation>测深曲线另存为...</translation>
    </message>
    <message>
        <source>Save Model</source>
        <translation>保存模型</translation>
    </message>
    <message>
        <source>Save Model As...</source>
        <translation>模型另存为...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>全部保存(&amp;L)</translation>
    </message>
    <message>
        <source>Export Sounding Chart...</source>
        <translation>导出测深曲线图...</translation>
    </message>
    <message>
        <source>Export Model Chart...</source>
        <translation>导出模型图...</translation>
    </message>
    <message>
        <source>&amp;Capture View...</source>
        <translation>截取视图(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Display Model &amp;1 (log abscissa, linear values)</source>
        <translation>显示模式 1（对数横坐标，线性值）(&amp;1)</translation>
    </message>
    <message>
        <source>Display Model &amp;2 (log-log)</source>
        <translation>显示模式 2（双对数）(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About tarnex studio...</source>
        <translation>关于 tarnex studio(&amp;A)...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>tarnex studio - %1 | %2</source>
        <translation>tarnex studio - %1 | %2</translation>
    </message>
    <message>
        <source>%1 is read-only. Save the edits under another name?</source>
        <translation>%1 是只读文件。将修改另存为其他文件吗？</translation>
    </message>
    <message>
        <source>Save the %1 As</source>
        <translation>%1另存为</translation>
    </message>
    <message>
        <source>The %1 has unsaved edits. Save them?</source>
        <translation>%1有未保存的修改。是否保存？</translation>
    </message>
    <message>
        <source>The %1 %2 has unsaved edits. Save them?</source>
        <translation>%1 %2 有未保存的修改。是否保存？</translation>
    </message>
    <message>
        <source>These documents have unsaved edits:
%1

Save all of them?</source>
        <translation>以下文档有未保存的修改：
%1

全部保存吗？</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部保存</translation>
    </message>
    <message>
        <source>Discard All</source>
        <translation>全部放弃</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 已不存在，已从最近打开的文件中移除。</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>清除最近打开的文件(&amp;C)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>导出图件</translation>
    </message>
    <message>
        <source>There is no sounding to export.</source>
        <translation>没有可导出的测深曲线。</translation>
    </message>
    <message>
        <source>The log-log display needs positive abscissas and values: showing display model 1.</source>
        <translation>双对数显示需要正的横坐标和数值：改为显示模式 1。</translation>
    </message>
    <message>
        <source>survey table or folder of sounding files, browsed station by station</source>
        <translation>测线表文件或测深文件夹，逐个测点浏览</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>测点</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>测线(&amp;S)</translation>
    </message>
    <message>
        <source>Open Survey &amp;Table...</source>
        <translation>打开测线表(&amp;T)...</translation>
    </message>
    <message>
        <source>Survey Tables (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|All Files (*.*)|*.*||</source>
        <translation>测线表 (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Open Survey Table</source>
        <translation>打开测线表</translation>
    </message>
    <message>
        <source>Open Survey &amp;Folder...</source>
        <translation>打开测深文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>Open Survey Folder</source>
        <translation>打开测深文件夹</translation>
    </message>
    <message>
        <source>&amp;Next Station</source>
        <translation>下一测点(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Station</source>
        <translation>上一测点(&amp;P)</translation>
    </message>
    <message>
        <source>survey folder</source>
        <translation>测深文件夹</translation>
    </message>
    <message>
        <source>survey table</source>
        <translation>测线表</translation>
    </message>
    <message>
        <source>%1 holds %2 sounding files, more than the %3 a survey folder may hold</source>
        <translation>%1 含 %2 个测深文件，超过测深文件夹的上限 %3 个</translation>
    </message>
    <message>
        <source>the sounding files of %1 hold %2 MiB, more than the %3 MiB a survey may hold</source>
        <translation>%1 中的测深文件共 %2 MiB，超过一条测线的上限 %3 MiB</translation>
    </message>
    <message>
        <source>%1 of the files were left out:</source>
        <translation>有 %1 个文件未能读入：</translation>
    </message>
    <message>
        <source>%1 holds no sounding file that could be read</source>
        <translation>%1 中没有可读入的测深文件</translation>
    </message>
    <message>
        <source>%1 holds no station</source>
        <translation>%1 中没有测点</translation>
    </message>
    <message>
        <source>A survey folder is saved in place, each edited station to its own file.</source>
        <translation>测深文件夹只能原地保存：每个修改过的测点写回其自己的文件。</translation>
    </message>
    <message>
        <source>%1 does not read back as written</source>
        <translation>%1 读回的内容与写入的不符</translation>
    </message>
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
    <message>
        <source>Open Sounding as Stream</source>
        <translation>按数据流打开测深文件</translation>
    </message>
    <message>
        <source>sounding data file (five numbers a row), layered model (*.model), survey table (*.csv) or folder; the bundled samples if none</source>
        <translation>测深数据文件（每行五个数）、层状模型（*.model）、测量数据表（*.csv）或文件夹；缺省为自带样例</translation>
    </message>
    <message>
        <source>Sample %1 unmasked</source>
        <translation>样点 %1 已取消屏蔽</translation>
    </message>
    <message>
        <source>Sample %1 masked: left out of the misfit</source>
        <translation>样点 %1 已屏蔽：不计入拟合差</translation>
    </message>
    <message>
        <source>Mask of sample %1</source>
        <translation>样点 %1 的屏蔽</translation>
    </message>
    <message>
        <source>Misfit V %1 % | R %2 %</source>
        <translation>拟合差 V %1 % | R %2 %</translation>
    </message>
    <message>
        <source>The model cannot be computed: %1</source>
        <translation>无法计算该模型：%1</translation>
    </message>
    <message>
        <source>The values span %1 decades, too many for a linear value axis: the log-log view (model 2) is shown</source>
        <translation>数值跨越 %1 个数量级，线性纵轴无法显示：已改用双对数显示（模式 2）</translation>
    </message>
    <message>
        <source>Show the File&apos;s &amp;Modelled Columns</source>
        <translation>显示文件中的正演列(&amp;M)</translation>
    </message>
    <message>
        <source>Forward &amp;Parameters...</source>
        <translation>正演参数(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Mask or Unmask Sample</source>
        <translation>屏蔽或取消屏蔽样点(&amp;M)</translation>
    </message>
    <message>
        <source>%1; the default system is used</source>
        <translation>%1；使用默认装置参数</translation>
    </message>
    <message>
        <source>%1; no sample is masked</source>
        <translation>%1；未屏蔽任何样点</translation>
    </message>
    <message>
        <source>Forward Parameters</source>
        <translation>正演参数</translation>
    </message>
    <message>
        <source>Circular loop, radius (m)</source>
        <translation>圆形回线，半径 (m)</translation>
    </message>
    <message>
        <source>Square loop, side (m)</source>
        <translation>方形回线，边长 (m)</translation>
    </message>
    <message>
        <source>Transmitter loop</source>
        <translation>发射回线</translation>
    </message>
    <message>
        <source>Loop size</source>
        <translation>回线尺寸</translation>
    </message>
    <message>
        <source>Receiver area (m², area × turns)</source>
        <translation>接收等效面积 (m²，面积 × 匝数)</translation>
    </message>
    <message>
        <source>Turn-off ramp (µs)</source>
        <translation>关断时间 (µs)</translation>
    </message>
    <message>
        <source>Type plain numbers, such as 50 or 1.5e2.</source>
        <translation>请输入普通数字，例如 50 或 1.5e2。</translation>
    </message>
    <message>
        <source>± h</source>
        <translation>± 厚度</translation>
    </message>
    <message>
        <source>± ρ</source>
        <translation>± 电阻率</translation>
    </message>
    <message>
        <source>Tick a value to hold it fixed in the next inversion</source>
        <translation>勾选数值可在下次反演中保持固定</translation>
    </message>
    <message>
        <source>After an inversion: the value lies between value ÷ factor and value × factor with about 68 % confidence</source>
        <translation>反演后：数值以约 68 % 的置信度位于 数值 ÷ 因子 与 数值 × 因子 之间</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>unresolved</source>
        <translation>无法分辨</translation>
    </message>
    <message>
        <source>Undone: the inverted model</source>
        <translation>已撤销：反演模型</translation>
    </message>
    <message>
        <source>Redone: the inverted model</source>
        <translation>已重做：反演模型</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>反演(&amp;I)</translation>
    </message>
    <message>
        <source>Cancel &amp;Inversion</source>
        <translation>取消反演(&amp;I)</translation>
    </message>
    <message>
        <source>Inverting: iteration %1, misfit %2 % (Esc cancels)</source>
        <translation>正在反演：第 %1 次迭代，拟合差 %2 %（Esc 取消）</translation>
    </message>
    <message>
        <source>Inverting… (Esc cancels)</source>
        <translation>正在反演…（Esc 取消）</translation>
    </message>
    <message>
        <source>The sounding cannot be inverted: %1</source>
        <translation>无法反演该测深：%1</translation>
    </message>
    <message>
        <source>Inversion cancelled: the model is as it was</source>
        <translation>反演已取消：模型保持原样</translation>
    </message>
    <message>
        <source>Inverted in %1 iterations: misfit %2 %%3</source>
        <translation>反演完成，迭代 %1 次：拟合差 %2 %%3</translation>
    </message>
    <message>
        <source> (not converged)</source>
        <translation>（未收敛）</translation>
    </message>
    <message>
        <source>Inversion cancelled: the model was changed while it ran</source>
        <translation>反演已取消：运行期间模型已更换</translation>
    </message>
    <message>
        <source>Model Resistivity &amp;Scale</source>
        <translation>模型电阻率坐标(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Automatic (decades for a wide range)</source>
        <translation>自动（范围宽时用对数坐标）(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Linear</source>
        <translation>线性(&amp;L)</translation>
    </message>
    <message>
        <source>L&amp;ogarithmic</source>
        <translation>对数(&amp;O)</translation>
    </message>
    <message>
        <source>The inversion fits this station: cancel it (Esc) before another station is shown</source>
        <translation>反演正在拟合本测点：请先取消反演（Esc），再显示其他测点</translation>
    </message>
    <message>
        <source>(below 0: its magnitude)</source>
        <translation>（小于 0：输入其绝对值）</translation>
    </message>
    <message>
        <source>No live modelling: %1</source>
        <translation>不进行实时正演：%1</translation>
    </message>
</context>
</TS>
