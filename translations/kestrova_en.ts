<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BoardInfo</name>
    <message>
        <source>半导体制冷制热</source>
        <translation>TEC cool/heat</translation>
    </message>
</context>
<context>
    <name>BoxHints</name>
    <message>
        <source>%1 的整数</source>
        <translation>whole number %1</translation>
    </message>
    <message>
        <source>模拟温度：%1</source>
        <translation>Simulated temperature: %1</translation>
    </message>
    <message>
        <source>新地址：1…20</source>
        <translation>New address: 1…20</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>未填写：%1；按“复制设置”从控制板读回值填入</source>
        <translation>Not filled in: %1; press “Copy all” to fill in the values read back from the board</translation>
    </message>
    <message>
        <source>未填写：%1；收到控制板的运行数据后，按“复制设置”从读回值填入</source>
        <translation>Not filled in: %1; once the board’s run data arrive, press “Copy all” to fill in the values read back</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>复制设置：读回值替换了 %1</source>
        <translation>Copy all: the values read back replaced %1</translation>
    </message>
</context>
<context>
    <name>BusScan</name>
    <message>
        <source>总线扫描：%1“%2”不是 1 到 255 之间的整数</source>
        <translation>Bus scan: %1 &quot;%2&quot; is not a whole number from 1 to 255</translation>
    </message>
    <message>
        <source>起始地址</source>
        <translation>first address</translation>
    </message>
    <message>
        <source>结束地址</source>
        <translation>last address</translation>
    </message>
    <message>
        <source>总线扫描：起始地址 %1 大于结束地址 %2</source>
        <translation>Bus scan: first address %1 is above last address %2</translation>
    </message>
    <message>
        <source>总线扫描 %1–%2</source>
        <translation>Bus scan %1–%2</translation>
    </message>
    <message>
        <source>（在地址 %1 处停止）</source>
        <translation> (stopped at address %1)</translation>
    </message>
    <message>
        <source>：未找到应答的板</source>
        <translation>: no board answered</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>：找到 %1 台：地址 %2</source>
        <translation>: %1 found: address %2</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>端口未打开：请先在主窗口打开串口，再开始扫描</source>
        <translation>Port not open: open the port in the main window, then start the scan</translation>
    </message>
    <message>
        <source>正在扫描地址 %1–%2…</source>
        <translation>Scanning addresses %1–%2…</translation>
    </message>
    <message>
        <source>总线扫描开始：%1，地址 %2–%3</source>
        <translation>Bus scan started: %1, addresses %2–%3</translation>
    </message>
    <message>
        <source>：端口已关闭，扫描中断</source>
        <translation>: port closed, scan broken off</translation>
    </message>
    <message>
        <source>端口已关闭，扫描中断</source>
        <translation>Port closed, scan broken off</translation>
    </message>
    <message>
        <source>扫描已停止</source>
        <translation>Scan stopped</translation>
    </message>
</context>
<context>
    <name>BusScanWindow</name>
    <message>
        <source>总线扫描</source>
        <translation>Bus scan</translation>
    </message>
    <message>
        <source>开始扫描</source>
        <translation>Start scan</translation>
    </message>
    <message>
        <source>起始地址</source>
        <translation>First address</translation>
    </message>
    <message>
        <source>结束地址</source>
        <translation>Last address</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>应答时间 ms</source>
        <translation>Answer time ms</translation>
    </message>
    <message>
        <source>监视此地址</source>
        <translation>Monitor this address</translation>
    </message>
    <message>
        <source>停止扫描</source>
        <translation>Stop scan</translation>
    </message>
</context>
<context>
    <name>Events</name>
    <message>
        <source>告警</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>工作状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>通信</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>%1 告警</source>
        <translation>%1 alarm</translation>
    </message>
    <message>
        <source>%1 解除</source>
        <translation>%1 cleared</translation>
    </message>
    <message>
        <source>%1 停止</source>
        <translation>%1 stopped</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>串口已打开</source>
        <translation>Port opened</translation>
    </message>
    <message>
        <source>串口已关闭</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>校验错 %1 帧</source>
        <translation>%1 frame(s) with checksum errors</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>通信恢复</source>
        <translation>Answers again</translation>
    </message>
    <message>
        <source>串口已断开：%1</source>
        <translation>Port lost: %1</translation>
    </message>
    <message>
        <source>时间,类别,事件</source>
        <translation>Time,Category,Event</translation>
    </message>
    <message>
        <source>通信干扰：应答均校验错误</source>
        <translation>Interference: every answer failed its checksum</translation>
    </message>
</context>
<context>
    <name>EventsWindow</name>
    <message>
        <source>事件记录</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>导出CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>导出事件记录</source>
        <translation>Export the event log</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>FactoryWindow</name>
    <message>
        <source>内温度传感器标定</source>
        <translation>In sens. cal.</translation>
    </message>
    <message>
        <source>外温度传感器标定</source>
        <translation>Out sens. cal.</translation>
    </message>
    <message>
        <source>TEC电流标定</source>
        <translation>TEC I cal.</translation>
    </message>
    <message>
        <source>直流电压标定</source>
        <translation>DC V cal.</translation>
    </message>
    <message>
        <source>直流电压低限</source>
        <translation>DC V low</translation>
    </message>
    <message>
        <source>直流电压高限</source>
        <translation>DC V high</translation>
    </message>
    <message>
        <source>排氢间隔时间</source>
        <translation>Vent period</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>回差</source>
        <translation>Hyst.</translation>
    </message>
    <message>
        <source>厂家设定</source>
        <translation>Factory setup</translation>
    </message>
    <message>
        <source>单冷</source>
        <translation>C/O</translation>
    </message>
    <message>
        <source>发送设置</source>
        <translation>Send all</translation>
    </message>
</context>
<context>
    <name>FieldTips</name>
    <message>
        <source>排氢间隔时间，0…100；为 0 时不发送</source>
        <translation>H₂ vent interval, 0…100; 0 is not sent</translation>
    </message>
    <message>
        <source>版本：两个字符，每个字符一个字节</source>
        <translation>Version: two characters, one byte each</translation>
    </message>
    <message>
        <source>单冷：与控制板不同时发送（勾选为 1，否则为 0）</source>
        <translation>Cooling only: sent when it differs from the board (checked 1, else 0)</translation>
    </message>
    <message>
        <source>版本：控制板当前值</source>
        <translation>Version: the board&apos;s current value</translation>
    </message>
    <message>
        <source>%1：控制板当前值</source>
        <translation>%1: the board&apos;s current value</translation>
    </message>
    <message>
        <source>%1：0…255 的整数；为 0 时不发送</source>
        <translation>%1: a whole number 0…255; 0 is not sent</translation>
    </message>
    <message>
        <source>内温度（°C），-40…86.5；开路/短路 为传感器故障</source>
        <translation>Inner temperature (°C), -40…86.5; &quot;open&quot;/&quot;short&quot; is a sensor fault</translation>
    </message>
    <message>
        <source>外温度（°C），-40…86.5；开路/短路 为传感器故障</source>
        <translation>Outer temperature (°C), -40…86.5; &quot;open&quot;/&quot;short&quot; is a sensor fault</translation>
    </message>
    <message>
        <source>控制温度（°C），-40…87.5</source>
        <translation>Control temperature (°C), -40…87.5</translation>
    </message>
    <message>
        <source>实时电流（A），0…25.5</source>
        <translation>Live current (A), 0…25.5</translation>
    </message>
    <message>
        <source>直流电压（V），0…6553.5</source>
        <translation>DC voltage (V), 0…6553.5</translation>
    </message>
    <message>
        <source>内风机当前转速（r/min），最近 15 次的平均，0…65535</source>
        <translation>Inner fan speed (r/min), mean of the last 15, 0…65535</translation>
    </message>
    <message>
        <source>外风机当前转速（r/min），最近 15 次的平均，0…65535</source>
        <translation>Outer fan speed (r/min), mean of the last 15, 0…65535</translation>
    </message>
    <message>
        <source>通信计数：启动以来收到的运行数据帧数</source>
        <translation>Frames: run-data frames received since start</translation>
    </message>
    <message>
        <source>模拟温度（°C），-40…80</source>
        <translation>Simulated temperature (°C), -40…80</translation>
    </message>
    <message>
        <source>新设备地址，1…20</source>
        <translation>New device address, 1…20</translation>
    </message>
    <message>
        <source>控制板的设备地址（按“获取地址”读取）</source>
        <translation>The board&apos;s device address (read with &quot;Read address&quot;)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1，%2…%3；与读回值不同时由“发送设置”写入</source>
        <translation>%1, %2…%3; written by &quot;Send settings&quot; when it differs from the read-back</translation>
    </message>
</context>
<context>
    <name>FrameMeaning</name>
    <message>
        <source>应答</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>运行数据（不全）</source>
        <translation>Run data (incomplete)</translation>
    </message>
    <message>
        <source>运行数据 %1</source>
        <translation>Run data %1</translation>
    </message>
    <message>
        <source>地址应答 地址 %1</source>
        <translation>Address answer address %1</translation>
    </message>
    <message>
        <source>地址应答</source>
        <translation>Address answer</translation>
    </message>
    <message>
        <source>板信息 地址 %1 %2</source>
        <translation>Board info address %1 %2</translation>
    </message>
    <message>
        <source>厂家数据 地址 %1</source>
        <translation>Factory data address %1</translation>
    </message>
    <message>
        <source>应答 地址 %1</source>
        <translation>Answer address %1</translation>
    </message>
    <message>
        <source>未知请求</source>
        <translation>Unknown request</translation>
    </message>
    <message>
        <source>读运行数据 地址 %1</source>
        <translation>Read run data address %1</translation>
    </message>
    <message>
        <source>读地址</source>
        <translation>Read address</translation>
    </message>
    <message>
        <source>读板信息 地址 %1</source>
        <translation>Read board info address %1</translation>
    </message>
    <message>
        <source>读厂家数据 地址 %1</source>
        <translation>Read factory data address %1</translation>
    </message>
    <message>
        <source>读 %1 地址 %2</source>
        <translation>Read %1 address %2</translation>
    </message>
    <message>
        <source>写参数 %1 = %2</source>
        <translation>Write parameter %1 = %2</translation>
    </message>
    <message>
        <source>（%1 %2）</source>
        <translation> (%1 %2)</translation>
    </message>
    <message>
        <source>（设备地址）</source>
        <translation> (device address)</translation>
    </message>
    <message>
        <source>（模拟温度 %1）</source>
        <translation> (simulated temperature %1)</translation>
    </message>
    <message>
        <source>（厂家设定）</source>
        <translation> (factory setup)</translation>
    </message>
    <message>
        <source>写应答</source>
        <translation>Write acknowledged</translation>
    </message>
    <message>
        <source>短应答</source>
        <translation>Short answer</translation>
    </message>
    <message>
        <source>噪声</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>否定应答（NAK）</source>
        <translation>Negative answer (NAK)</translation>
    </message>
    <message>
        <source>地址不符</source>
        <translation>Other address</translation>
    </message>
    <message>
        <source>回显 %1</source>
        <translation>Echo %1</translation>
    </message>
    <message>
        <source>未知命令</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>校验错</source>
        <translation>Checksum error</translation>
    </message>
    <message>
        <source>不完整</source>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>内温度 %1 外温度 %2 控制温度 %3 电流 %4 电压 %5 内风机 %6 外风机 %7</source>
        <translation>inner %1 outer %2 control %3 current %4 voltage %5 inner fan %6 outer fan %7</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>；%1</source>
        <translation>; %1</translation>
    </message>
</context>
<context>
    <name>Freshness</name>
    <message>
        <source>最后更新：%1</source>
        <translation>Last update: %1</translation>
    </message>
</context>
<context>
    <name>Lamp</name>
    <message>
        <source>工作</source>
        <translation>on</translation>
    </message>
    <message>
        <source>告警</source>
        <translation>alarm</translation>
    </message>
    <message>
        <source>自检</source>
        <translation>self-test</translation>
    </message>
    <message>
        <source>熄灭</source>
        <translation>off</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
</context>
<context>
    <name>Lamps</name>
    <message>
        <source>内风机状态</source>
        <translation>Inner fan</translation>
    </message>
    <message>
        <source>外风机状态</source>
        <translation>Outer fan</translation>
    </message>
    <message>
        <source>制冷状态</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>制热状态</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>排氢电机</source>
        <translation>Vent motor</translation>
    </message>
    <message>
        <source>自检</source>
        <translation>Self-test</translation>
    </message>
    <message>
        <source>总告警</source>
        <translation>General alarm</translation>
    </message>
    <message>
        <source>温度传感器告警</source>
        <translation>Temperature sensor alarm</translation>
    </message>
    <message>
        <source>内风机告警</source>
        <translation>Inner fan alarm</translation>
    </message>
    <message>
        <source>外风机告警</source>
        <translation>Outer fan alarm</translation>
    </message>
    <message>
        <source>电流低限告警</source>
        <translation>Current low alarm</translation>
    </message>
    <message>
        <source>电流高限告警</source>
        <translation>Current high alarm</translation>
    </message>
    <message>
        <source>高温告警</source>
        <translation>High temperature alarm</translation>
    </message>
    <message>
        <source>低温告警</source>
        <translation>Low temperature alarm</translation>
    </message>
    <message>
        <source>直流低压告警</source>
        <translation>DC low voltage alarm</translation>
    </message>
    <message>
        <source>直流高压告警</source>
        <translation>DC high voltage alarm</translation>
    </message>
    <message>
        <source>交流掉电告警</source>
        <translation>AC power loss alarm</translation>
    </message>
    <message>
        <source>模拟温度</source>
        <translation>Simulated temperature</translation>
    </message>
    <message>
        <source>门禁</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>开关量3</source>
        <translation>Switch input 3</translation>
    </message>
    <message>
        <source>开关量4</source>
        <translation>Switch input 4</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>%1 %2：%3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>请检查终端电阻、屏蔽层接地和通信线缆</source>
        <translation>check the termination resistor, the shield grounding and the cable</translation>
    </message>
    <message>
        <source>通信干扰：控制板的应答均校验错误，%1 秒无正确应答：%2</source>
        <translation>Interference: every answer of the board failed its checksum, no good answer for %1 s: %2</translation>
    </message>
    <message>
        <source>控制板无应答 %1 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”</source>
        <translation>No answer from the board for %1 s: check the wiring (A/B), the power and the device address, or press “Read addr”</translation>
    </message>
    <message>
        <source>通信干扰：最近 %1 帧中 %2 帧校验错误：%3</source>
        <translation>Interference: %2 of the last %1 frames failed their checksum: %3</translation>
    </message>
    <message>
        <source>等待控制板应答：%1</source>
        <translation>Waiting for the board to answer: %1</translation>
    </message>
    <message>
        <source>通信正常：%1</source>
        <translation>Line OK: %1</translation>
    </message>
    <message>
        <source>未发现串口：请插入 USB 转 RS-485/422 适配器</source>
        <translation>No serial port found: plug in the USB to RS-485/422 adapter</translation>
    </message>
    <message>
        <source>无访问权限：%1（请将当前用户加入 dialout 组后重新登录）</source>
        <translation>No permission: %1 (add your user to the dialout group, then log in again)</translation>
    </message>
    <message>
        <source>被其他程序占用：%1</source>
        <translation>In use by another program: %1</translation>
    </message>
    <message>
        <source>串口已关闭：%1</source>
        <translation>Port closed: %1</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>available</translation>
    </message>
    <message>
        <source>端口表中没有这个端口</source>
        <translation>not in the port table</translation>
    </message>
    <message>
        <source>设备不存在</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>无访问权限</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>被其他程序占用</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>设备已拔出或断电</source>
        <translation>unplugged or switched off</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 秒前</source>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>%1 分钟前</source>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>%1 小时前</source>
        <translation>%1 h ago</translation>
    </message>
    <message>
        <source>发送 %1  应答 %2  校验错 %3  丢弃 %4 字节  运行数据 %5</source>
        <translation>Sent %1  Answers %2  Checksum errors %3  Discarded %4 bytes  Run data %5</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>总线扫描中，轮询暂停：%1</source>
        <translation>Bus scan in progress, polling paused: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>控制板信息</source>
        <translation>Board information</translation>
    </message>
    <message>
        <source>控制板型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>PCB 版本</source>
        <translation>PCB</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>通信端口</source>
        <translation>Communication port</translation>
    </message>
    <message>
        <source>半导体模块</source>
        <translation>TEC module</translation>
    </message>
    <message>
        <source>制冷</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>制热</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>开启温度</source>
        <translation>On °C</translation>
    </message>
    <message>
        <source>停止温度</source>
        <translation>Off °C</translation>
    </message>
    <message>
        <source>电流低限</source>
        <translation>I lo</translation>
    </message>
    <message>
        <source>电流高限</source>
        <translation>I hi</translation>
    </message>
    <message>
        <source>内风机</source>
        <translation>Inner fan</translation>
    </message>
    <message>
        <source>每转脉冲</source>
        <translation>P/r</translation>
    </message>
    <message>
        <source>低速转速</source>
        <translation>Lo rpm</translation>
    </message>
    <message>
        <source>高速转速</source>
        <translation>Hi rpm</translation>
    </message>
    <message>
        <source>当前转速</source>
        <translation>Now rpm</translation>
    </message>
    <message>
        <source>外风机</source>
        <translation>Outer fan</translation>
    </message>
    <message>
        <source>报警</source>
        <translation>Alarm limits</translation>
    </message>
    <message>
        <source>高温报警</source>
        <translation>Hi °C</translation>
    </message>
    <message>
        <source>低温报警</source>
        <translation>Lo °C</translation>
    </message>
    <message>
        <source>系统工作状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>内风机状态</source>
        <translation>Inner fan</translation>
    </message>
    <message>
        <source>外风机状态</source>
        <translation>Outer fan</translation>
    </message>
    <message>
        <source>制冷状态</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>制热状态</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>排氢电机</source>
        <translation>Vent motor</translation>
    </message>
    <message>
        <source>自检</source>
        <translation>Self-test</translation>
    </message>
    <message>
        <source>模拟温度</source>
        <translation>Sim °C</translation>
    </message>
    <message>
        <source>告警</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>总告警</source>
        <translation>General alarm</translation>
    </message>
    <message>
        <source>温度传感器告警</source>
        <translation>Temp. sensor</translation>
    </message>
    <message>
        <source>内风机告警</source>
        <translation>Inner fan</translation>
    </message>
    <message>
        <source>外风机告警</source>
        <translation>Outer fan</translation>
    </message>
    <message>
        <source>电流低限告警</source>
        <translation>Current low</translation>
    </message>
    <message>
        <source>电流高限告警</source>
        <translation>Current high</translation>
    </message>
    <message>
        <source>高温告警</source>
        <translation>High temp.</translation>
    </message>
    <message>
        <source>低温告警</source>
        <translation>Low temp.</translation>
    </message>
    <message>
        <source>直流低压告警</source>
        <translation>DC low</translation>
    </message>
    <message>
        <source>直流高压告警</source>
        <translation>DC high</translation>
    </message>
    <message>
        <source>交流掉电告警</source>
        <translation>AC power loss</translation>
    </message>
    <message>
        <source>门禁</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>开关量3</source>
        <translation>Input 3</translation>
    </message>
    <message>
        <source>开关量4</source>
        <translation>Input 4</translation>
    </message>
    <message>
        <source>通信计数</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>内温度</source>
        <translation>In °C</translation>
    </message>
    <message>
        <source>外温度</source>
        <translation>Out °C</translation>
    </message>
    <message>
        <source>控制温度</source>
        <translation>Ctrl °C</translation>
    </message>
    <message>
        <source>直流电压</source>
        <translation>DC V</translation>
    </message>
    <message>
        <source>设备状态数据</source>
        <translation>Device status data</translation>
    </message>
    <message>
        <source>Kestrova后台软件_v2</source>
        <translation>Kestrova console_v2</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>通信协议</source>
        <translation>Proto.</translation>
    </message>
    <message>
        <source>MODBUS 改进型</source>
        <translation>MODBUS mod.</translation>
    </message>
    <message>
        <source>通信方式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>发送地址</source>
        <translation>Send addr</translation>
    </message>
    <message>
        <source>获取地址</source>
        <translation>Read addr</translation>
    </message>
    <message>
        <source>实时电流</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>单冷</source>
        <translation>Cool</translation>
    </message>
    <message>
        <source>发送模拟温度</source>
        <translation>Send sim °C</translation>
    </message>
    <message>
        <source>厂家设定</source>
        <translation>Factory</translation>
    </message>
    <message>
        <source>复制设置</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>发送设置</source>
        <translation>Send all</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>数据错误！</source>
        <translation>Data error!</translation>
    </message>
    <message>
        <source>无数据！</source>
        <translation>No data!</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>PortSelection</name>
    <message>
        <source>打开串口</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法打开串口：</source>
        <translation>Cannot open the port: </translation>
    </message>
    <message>
        <source>串口已断开：</source>
        <translation>Port lost: </translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 没有值</source>
        <translation>%1 has no value</translation>
    </message>
    <message>
        <source>%1 的值 %2 超出范围 %3…%4</source>
        <translation>%1: the value %2 is outside %3…%4</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>文件不是有效的设置档案（格式错误）</source>
        <translation>The file is not a valid settings profile (malformed)</translation>
    </message>
    <message>
        <source>文件不是 Kestrova 设置档案</source>
        <translation>The file is not a Kestrova settings profile</translation>
    </message>
    <message>
        <source>不支持的设置档案版本 %1</source>
        <translation>Unsupported settings profile version %1</translation>
    </message>
    <message>
        <source>设置档案中 %1 的值不是数字</source>
        <translation>In the settings profile the value of %1 is not a number</translation>
    </message>
    <message>
        <source>设置档案缺少 %1</source>
        <translation>The settings profile lacks %1</translation>
    </message>
    <message>
        <source>设置档案中 %1</source>
        <translation>In the settings profile: %1</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>内温度(°C)</source>
        <translation>Inner temperature(°C)</translation>
    </message>
    <message>
        <source>外温度(°C)</source>
        <translation>Outer temperature(°C)</translation>
    </message>
    <message>
        <source>控制温度(°C)</source>
        <translation>Control temperature(°C)</translation>
    </message>
    <message>
        <source>实时电流(A)</source>
        <translation>Live current(A)</translation>
    </message>
    <message>
        <source>直流电压(V)</source>
        <translation>DC voltage(V)</translation>
    </message>
    <message>
        <source>内风机转速(r/min)</source>
        <translation>Inner fan speed(r/min)</translation>
    </message>
    <message>
        <source>外风机转速(r/min)</source>
        <translation>Outer fan speed(r/min)</translation>
    </message>
    <message>
        <source>通信计数</source>
        <translation>Frame count</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>磁盘读写错误</source>
        <translation>disk read/write error</translation>
    </message>
    <message>
        <source>超出磁盘配额</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>无法创建记录文件（%1）</source>
        <translation>Cannot create the recording file (%1)</translation>
    </message>
    <message>
        <source>记录文件已被删除或移走</source>
        <translation>the recording file was deleted or moved away</translation>
    </message>
    <message>
        <source>记录已停止：%1</source>
        <translation>Recording stopped: %1</translation>
    </message>
    <message>
        <source>控制板无运行数据</source>
        <translation>no run data from the board</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>the port is not open</translation>
    </message>
    <message>
        <source>记录等待数据：%1</source>
        <translation>Recording waits for data: %1</translation>
    </message>
    <message>
        <source>记录恢复：中断 %1 秒</source>
        <translation>Recording resumed after a gap of %1 s</translation>
    </message>
    <message>
        <source>记录等待数据：%1（%2 行）</source>
        <translation>Recording waits for data: %1 (%2 rows)</translation>
    </message>
    <message>
        <source>记录中：%1（%2 行）</source>
        <translation>Recording: %1 (%2 rows)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>还没有运行数据，服务报告未生成：请打开串口，等控制板应答运行数据后再试。</source>
        <translation>No run data yet, so no service report: open the port, wait until the board answers with run data, and try again.</translation>
    </message>
    <message>
        <source>%1 小时 %2 分 %3 秒</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1 分 %2 秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>内温度</source>
        <translation>Inner temperature</translation>
    </message>
    <message>
        <source>外温度</source>
        <translation>Outer temperature</translation>
    </message>
    <message>
        <source>控制温度</source>
        <translation>Control temperature</translation>
    </message>
    <message>
        <source>实时电流</source>
        <translation>Live current</translation>
    </message>
    <message>
        <source>直流电压</source>
        <translation>DC voltage</translation>
    </message>
    <message>
        <source>内风机当前转速</source>
        <translation>Inner fan speed</translation>
    </message>
    <message>
        <source>外风机当前转速</source>
        <translation>Outer fan speed</translation>
    </message>
    <message>
        <source>通信计数</source>
        <translation>Frame count</translation>
    </message>
    <message>
        <source>一致</source>
        <translation>matches</translation>
    </message>
    <message>
        <source>未生效</source>
        <translation>not taken</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>已关闭</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>连接时长</source>
        <translation>Connected for</translation>
    </message>
    <message>
        <source>请求帧</source>
        <translation>Requests</translation>
    </message>
    <message>
        <source>有效应答</source>
        <translation>Good answers</translation>
    </message>
    <message>
        <source>校验错</source>
        <translation>Checksum errors</translation>
    </message>
    <message>
        <source>丢弃字节</source>
        <translation>Discarded bytes</translation>
    </message>
    <message>
        <source>最近应答中的校验错</source>
        <translation>Checksum errors in recent answers</translation>
    </message>
    <message>
        <source>温度 (°C)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>模块电流 (A)</source>
        <translation>Module current (A)</translation>
    </message>
    <message>
        <source>直流电压 (V)</source>
        <translation>DC voltage (V)</translation>
    </message>
    <message>
        <source>风机转速 (r/min)</source>
        <translation>Fan speed (r/min)</translation>
    </message>
</context>
<context>
    <name>RunData</name>
    <message>
        <source>开路</source>
        <translation>open</translation>
    </message>
    <message>
        <source>短路</source>
        <translation>short</translation>
    </message>
    <message>
        <source>工作</source>
        <translation>on</translation>
    </message>
    <message>
        <source>告警</source>
        <translation>alarm</translation>
    </message>
    <message>
        <source>自检</source>
        <translation>self-test</translation>
    </message>
    <message>
        <source>灭</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1：端口表中没有这个端口（共 %2 项）</source>
        <translation>%1: no such port in the port table (%2 entries)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1：无法设置 9600,8,N,1（%2）</source>
        <translation>%1: cannot set 9600,8,N,1 (%2)</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>设备被其他程序占用</source>
        <translation>the device is in use by another program</translation>
    </message>
    <message>
        <source>没有访问权限（请将当前用户加入 dialout 组后重新登录）</source>
        <translation>no access (add the user to the dialout group and log in again)</translation>
    </message>
    <message>
        <source>无法打开（%1）</source>
        <translation>cannot open (%1)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ServiceReportPdf</name>
    <message>
        <source>Kestrova 服务报告</source>
        <translation>Kestrova service report</translation>
    </message>
    <message>
        <source>控制板</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>本次服务</source>
        <translation>This service visit</translation>
    </message>
    <message>
        <source>控制板型号</source>
        <translation>Board model</translation>
    </message>
    <message>
        <source>控制台版本</source>
        <translation>Console version</translation>
    </message>
    <message>
        <source>PCB 版本</source>
        <translation>PCB version</translation>
    </message>
    <message>
        <source>报告时间</source>
        <translation>Report time</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Version note</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>通信方式</source>
        <translation>Line mode</translation>
    </message>
    <message>
        <source>控制板地址</source>
        <translation>Board address</translation>
    </message>
    <message>
        <source>运行数据（%1）</source>
        <translation>Run data (%1)</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>工作状态与告警</source>
        <translation>Operating state and alarms</translation>
    </message>
    <message>
        <source>工作状态</source>
        <translation>Operating state</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>告警</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>运行设置</source>
        <translation>Operating settings</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>读回值</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>档案载入值</source>
        <translation>Loaded from profile</translation>
    </message>
    <message>
        <source>本次发送值</source>
        <translation>Sent this visit</translation>
    </message>
    <message>
        <source>读回值为控制板报告的值；档案载入值和本次发送值只列出与读回值不同的。</source>
        <translation>Read back is what the board reported; values loaded from a profile or sent this visit are listed only where they differ from it.</translation>
    </message>
    <message>
        <source>本次写入的设置</source>
        <translation>Settings written this visit</translation>
    </message>
    <message>
        <source>本次没有写入设置。</source>
        <translation>No settings were written this visit.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>读回</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>事件记录</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>本次没有事件。</source>
        <translation>No events this visit.</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>通信统计</source>
        <translation>Line statistics</translation>
    </message>
    <message>
        <source>无法写入服务报告 %1：%2</source>
        <translation>Cannot write the service report %1: %2</translation>
    </message>
    <message>
        <source>PDF 无法开始</source>
        <translation>the PDF cannot begin</translation>
    </message>
    <message>
        <source>%1 · %2 · 第 %3 页，共 %4 页</source>
        <translation>%1 · %2 · page %3 of %4</translation>
    </message>
    <message>
        <source>趋势图：%1 至 %2</source>
        <translation>Trend: %1 to %2</translation>
    </message>
    <message>
        <source>红色虚线：告警出现或解除；灰色虚线：工作状态变化。</source>
        <translation>Red dashed: an alarm set or cleared; grey dashed: an operating state changed.</translation>
    </message>
    <message>
        <source>没有趋势数据。</source>
        <translation>No trend data.</translation>
    </message>
    <message>
        <source>PDF 无法完成</source>
        <translation>the PDF cannot be finished</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>直流电压低限</source>
        <translation>DC voltage low limit</translation>
    </message>
    <message>
        <source>直流电压低限回差</source>
        <translation>DC voltage low limit hysteresis</translation>
    </message>
    <message>
        <source>直流电压高限</source>
        <translation>DC voltage high limit</translation>
    </message>
    <message>
        <source>直流电压高限回差</source>
        <translation>DC voltage high limit hysteresis</translation>
    </message>
    <message>
        <source>版本第 1 个字符</source>
        <translation>version, 1st character</translation>
    </message>
    <message>
        <source>版本第 2 个字符</source>
        <translation>version, 2nd character</translation>
    </message>
    <message>
        <source>内温度传感器标定</source>
        <translation>inner sensor calibration</translation>
    </message>
    <message>
        <source>外温度传感器标定</source>
        <translation>outer sensor calibration</translation>
    </message>
    <message>
        <source>直流电压标定</source>
        <translation>DC voltage calibration</translation>
    </message>
    <message>
        <source>TEC电流标定</source>
        <translation>TEC current calibration</translation>
    </message>
    <message>
        <source>单冷</source>
        <translation>cooling only</translation>
    </message>
    <message>
        <source>排氢间隔时间</source>
        <translation>H₂ vent interval</translation>
    </message>
    <message>
        <source>制冷开启温度</source>
        <translation>cooling start temperature</translation>
    </message>
    <message>
        <source>制冷停止温度</source>
        <translation>cooling stop temperature</translation>
    </message>
    <message>
        <source>制热开启温度</source>
        <translation>heating start temperature</translation>
    </message>
    <message>
        <source>制热停止温度</source>
        <translation>heating stop temperature</translation>
    </message>
    <message>
        <source>电流低限</source>
        <translation>current low limit</translation>
    </message>
    <message>
        <source>电流高限</source>
        <translation>current high limit</translation>
    </message>
    <message>
        <source>内风机每转脉冲</source>
        <translation>inner fan pulses per revolution</translation>
    </message>
    <message>
        <source>内风机低速转速</source>
        <translation>inner fan low speed</translation>
    </message>
    <message>
        <source>内风机高速转速</source>
        <translation>inner fan high speed</translation>
    </message>
    <message>
        <source>外风机每转脉冲</source>
        <translation>outer fan pulses per revolution</translation>
    </message>
    <message>
        <source>外风机高速转速</source>
        <translation>outer fan high speed</translation>
    </message>
    <message>
        <source>高温报警</source>
        <translation>high temperature alarm</translation>
    </message>
    <message>
        <source>低温报警</source>
        <translation>low temperature alarm</translation>
    </message>
</context>
<context>
    <name>ToolsMenu</name>
    <message>
        <source>无法保存设置档案：</source>
        <translation>Cannot save the settings profile: </translation>
    </message>
    <message>
        <source>无法打开设置档案：</source>
        <translation>Cannot open the settings profile: </translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>通信监视</source>
        <translation>Line monitor</translation>
    </message>
    <message>
        <source>趋势图</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>事件记录</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>总线扫描</source>
        <translation>Bus scan</translation>
    </message>
    <message>
        <source>开始记录…</source>
        <translation>Start recording…</translation>
    </message>
    <message>
        <source>保存设置档案…</source>
        <translation>Save settings profile…</translation>
    </message>
    <message>
        <source>载入设置档案…</source>
        <translation>Load settings profile…</translation>
    </message>
    <message>
        <source>生成服务报告…</source>
        <translation>Service report…</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Kestrova 后台软件
版本 %1
构建日期 %2
Qt %3</source>
        <translation>Kestrova console
Version %1
Built %2
Qt %3</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>保存设置档案</source>
        <translation>Save settings profile</translation>
    </message>
    <message>
        <source>设置档案 (*.json)</source>
        <translation>Settings profiles (*.json)</translation>
    </message>
    <message>
        <source>载入设置档案</source>
        <translation>Load settings profile</translation>
    </message>
</context>
<context>
    <name>TrafficWindow</name>
    <message>
        <source>通信监视</source>
        <translation>Line monitor</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>保存通信记录</source>
        <translation>Save the line log</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>Trend</name>
    <message>
        <source>内温度</source>
        <translation>Inner</translation>
    </message>
    <message>
        <source>外温度</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>控制温度</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>模块电流</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>直流电压</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>内风机转速</source>
        <translation>Inner fan</translation>
    </message>
    <message>
        <source>外风机转速</source>
        <translation>Outer fan</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>趋势图</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>告警变化</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>工作状态变化</source>
        <translation>States</translation>
    </message>
    <message>
        <source>最近 10 分钟</source>
        <translation>Last 10 minutes</translation>
    </message>
    <message>
        <source>最近 1 小时</source>
        <translation>Last hour</translation>
    </message>
    <message>
        <source>最近 24 小时</source>
        <translation>Last 24 hours</translation>
    </message>
    <message>
        <source>回到最新</source>
        <translation>Back to latest</translation>
    </message>
    <message>
        <source>滚轮或拖选缩放，右键拖动平移</source>
        <translation>Wheel or drag a box to zoom, right-drag to pan</translation>
    </message>
    <message>
        <source>时间范围</source>
        <translation>Time range</translation>
    </message>
</context>
<context>
    <name>WriteCheck</name>
    <message>
        <source>写入 %1，读回 %2</source>
        <translation>wrote %1, read back %2</translation>
    </message>
    <message>
        <source>设置未生效：</source>
        <translation>Settings not taken: </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>设置已写入，读回一致（%1 项）</source>
        <translation>Settings written, read back the same (%1 items)</translation>
    </message>
</context>
<context>
    <name>kestrova::ToolsMenu</name>
    <message>
        <source>生成服务报告</source>
        <translation>Service report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
</TS>
