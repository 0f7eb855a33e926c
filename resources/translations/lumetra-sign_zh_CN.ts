<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DisplayPacketDecoder</name>
    <message>
        <source>%1 at offset %2</source>
        <translation>%1（偏移 %2）</translation>
    </message>
    <message>
        <source>the packet ends after its header</source>
        <translation>数据包在包头之后就结束了</translation>
    </message>
    <message>
        <source>the packet ends after %1 of its %2 bytes</source>
        <translation>数据包的 %2 字节只收到 %1 字节就结束了</translation>
    </message>
    <message>
        <source>the packet declares no pages</source>
        <translation>数据包声明的页数为 0</translation>
    </message>
    <message>
        <source>page %1: the two copies of the picture differ</source>
        <translation>第 %1 页：画面的两份副本不一致</translation>
    </message>
    <message>
        <source>page %1: trailer %2, expected %3</source>
        <translation>第 %1 页：页尾为 %2，应为 %3</translation>
    </message>
    <message>
        <source>page %1 ends after %2 of its %3 bytes</source>
        <translation>第 %1 页的 %3 字节只收到 %2 字节就结束了</translation>
    </message>
    <message>
        <source>%1: a new packet starts</source>
        <translation>%1：新的数据包开始了</translation>
    </message>
    <message>
        <source>%1 bytes outside any packet</source>
        <translation>%1 字节不属于任何数据包</translation>
    </message>
</context>
<context>
    <name>SignLineReader</name>
    <message>
        <source>end of input</source>
        <translation>输入结束</translation>
    </message>
</context>
<context>
    <name>SignModeTitle</name>
    <message>
        <source>show at once, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>move in from the right, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>move in from the left, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>roll in upwards from below, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>roll in downwards from above, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>jump in from the right, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from left to right, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from right to left, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold upwards, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold downwards, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from the middle to both sides, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from both sides to the middle, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from the middle up and down, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>unfold from top and bottom to the middle, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>reveal column by column, left to right, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>reveal column by column, right to left, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>shift in column by column, left to right, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>shift in column by column, right to left, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>reveal row by row, top to bottom, %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>reveal row by row, bottom to top, %1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>SignWindow</name>
    <message>
        <source>Lumetra sign (simulation)</source>
        <translation>Lumetra 字幕屏（模拟）</translation>
    </message>
    <message>
        <source>Simulation: shows what the sign receives. The entry effects are an approximation; the sign&apos;s controller decides the real ones.</source>
        <translation>模拟：显示字幕屏收到的内容。入场效果只是近似，实际效果由字幕屏的控制器决定。</translation>
    </message>
    <message>
        <source>Listening on %1</source>
        <translation>正在监听 %1</translation>
    </message>
    <message>
        <source>Mode: -</source>
        <translation>模式：-</translation>
    </message>
    <message>
        <source>Last error: none</source>
        <translation>最近的错误：无</translation>
    </message>
    <message>
        <source>Mode: %1 %2</source>
        <translation>模式：%1 %2</translation>
    </message>
    <message>
        <source>(not a known effect)</source>
        <translation>（未知的效果）</translation>
    </message>
    <message>
        <source>Last error: %1</source>
        <translation>最近的错误：%1</translation>
    </message>
    <message>
        <source>Listening on %1; stopped reading after %2 bytes, as a sign that hangs</source>
        <translation>正在监听 %1；读了 %2 字节后停止读取，模拟死机的字幕屏</translation>
    </message>
    <message>
        <source>The line ended: %1</source>
        <translation>线路已断开：%1</translation>
    </message>
    <message>
        <source>Packets: %1   Faults: %2</source>
        <translation>数据包：%1   故障：%2</translation>
    </message>
</context>
</TS>
