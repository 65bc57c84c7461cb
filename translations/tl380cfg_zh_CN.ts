<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BufferRows</name>
    <message>
        <source>Open Profile…</source>
        <translation>打开配置文件…</translation>
    </message>
    <message>
        <source>Save Profile…</source>
        <translation>保存配置文件…</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>比较…</translation>
    </message>
    <message>
        <source>Write Profile…</source>
        <translation>写入配置文件…</translation>
    </message>
    <message>
        <source>Send Buffer:</source>
        <translation>发送缓冲区：</translation>
    </message>
    <message>
        <source>Receive Buffer:</source>
        <translation>接收缓冲区：</translation>
    </message>
    <message>
        <source>Clear Buffer</source>
        <translation>清空缓冲区</translation>
    </message>
</context>
<context>
    <name>ChannelPage</name>
    <message>
        <source>P01 Channel:</source>
        <translation>P01通道：</translation>
    </message>
    <message>
        <source>P02 Channel:</source>
        <translation>P02通道：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Analog Range Configuration</source>
        <translation>模拟量量程配置</translation>
    </message>
    <message>
        <source>URV</source>
        <translation>量程上限</translation>
    </message>
    <message>
        <source>LRV</source>
        <translation>量程下限</translation>
    </message>
    <message>
        <source>Starting Point</source>
        <translation>起始值</translation>
    </message>
    <message>
        <source>AD Channel Configuration</source>
        <translation>AD通道配置</translation>
    </message>
    <message>
        <source>PU Channel Display Configuration</source>
        <translation>PU通道显示配置</translation>
    </message>
    <message>
        <source>Read Parameters</source>
        <translation>读取参数</translation>
    </message>
    <message>
        <source>Digital Input Configuration</source>
        <translation>开关量输入配置</translation>
    </message>
    <message>
        <source>Pulse Base Value Configuration</source>
        <translation>脉冲基数配置</translation>
    </message>
    <message>
        <source>Pulse Equivalent</source>
        <translation>脉冲当量</translation>
    </message>
</context>
<context>
    <name>CommSettings1Page</name>
    <message>
        <source>Communication Parameters</source>
        <translation>通讯参数</translation>
    </message>
    <message>
        <source>Command Code</source>
        <translation>命令码</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Data Format</source>
        <translation>数据格式</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>系数</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>RS485A  Instrument</source>
        <translation>RS485A 仪表</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Stop Bit:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验位：</translation>
    </message>
    <message>
        <source>RTS Pin Delay Time:</source>
        <translation>RTS引脚延时：</translation>
    </message>
    <message>
        <source>RS485_RTS Pin Delay Time
0_1200-&gt;240
1_2400-&gt;120
2_4800-&gt;58
3_9600-&gt;29
4_19200-&gt;15 </source>
        <translation>RS485_RTS引脚延时
0_1200-&gt;240
1_2400-&gt;120
2_4800-&gt;58
3_9600-&gt;29
4_19200-&gt;15 </translation>
    </message>
    <message>
        <source>RS485 Direct-Read Meter Type:</source>
        <translation>RS485直读仪表类型：</translation>
    </message>
    <message>
        <source>Read Parameters</source>
        <translation>读取参数</translation>
    </message>
</context>
<context>
    <name>CommSettings2Page</name>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures TL380 collectors over a serial port or a gateway.
Exit status: 0 closed normally; 1 no GBK codec; 2 usage error.</source>
        <translation>通过串口或网关配置 TL380 采集器。
退出状态：0 正常关闭；1 缺少 GBK 编码；2 用法错误。</translation>
    </message>
    <message>
        <source>Write every command sent and every piece received to FILE.</source>
        <translation>把发送的每条命令和收到的每段数据写入 FILE。</translation>
    </message>
    <message>
        <source>Show the window in LANG, zh_CN or en, whatever the system&apos;s language.</source>
        <translation>以 LANG（zh_CN 或 en）显示窗口，不论系统语言。</translation>
    </message>
    <message>
        <source>A profile to open, as with &quot;Open Profile…&quot;.</source>
        <translation>要打开的配置文件，同“打开配置文件…”。</translation>
    </message>
</context>
<context>
    <name>CommandSlotGroup</name>
    <message>
        <source>Enable:</source>
        <translation>使能：</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Response Data Parsing</source>
        <translation>应答数据解析</translation>
    </message>
    <message>
        <source>Byte%1:</source>
        <translation>字节%1：</translation>
    </message>
    <message>
        <source>Command 1</source>
        <translation>命令1</translation>
    </message>
    <message>
        <source>Command 2</source>
        <translation>命令2</translation>
    </message>
    <message>
        <source>Command 3</source>
        <translation>命令3</translation>
    </message>
    <message>
        <source>Command 4</source>
        <translation>命令4</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>Collector</source>
        <translation>采集器</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1：未保存：%2</translation>
    </message>
</context>
<context>
    <name>DataQueryPage</name>
    <message>
        <source>Power Supply Mode :</source>
        <translation>供电方式：</translation>
    </message>
    <message>
        <source>Station Number:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Verification Time:</source>
        <translation>校时时间：</translation>
    </message>
    <message>
        <source>Battery Voltage:</source>
        <translation>电池电压：</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>年</translation>
    </message>
    <message>
        <source>M</source>
        <translation>月</translation>
    </message>
    <message>
        <source>D</source>
        <translation>日</translation>
    </message>
    <message>
        <source>H</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Analog Signal</source>
        <translation>模拟量</translation>
    </message>
    <message>
        <source>Totalizer</source>
        <translation>累计量</translation>
    </message>
    <message>
        <source>Digital Signal</source>
        <translation>开关量</translation>
    </message>
    <message>
        <source>Manual Query</source>
        <translation>手动查询</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Data Retention Period:</source>
        <translation>数据保存周期：</translation>
    </message>
    <message>
        <source>Not Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>起始时间：</translation>
    </message>
    <message>
        <source>Record Count:</source>
        <translation>记录条数：</translation>
    </message>
    <message>
        <source>Historical Data</source>
        <translation>历史数据</translation>
    </message>
    <message>
        <source>Clear Buffer</source>
        <translation>清空缓冲区</translation>
    </message>
</context>
<context>
    <name>DataWatch</name>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
</context>
<context>
    <name>DropDownItems</name>
    <message>
        <source>COM Serial Communication</source>
        <translation>COM串口通讯</translation>
    </message>
    <message>
        <source>IP Network Communication</source>
        <translation>IP网络通讯</translation>
    </message>
    <message>
        <source>0 Close</source>
        <translation>0 关闭</translation>
    </message>
    <message>
        <source>1 Analog Current Acquisition AIN1</source>
        <translation>1 模拟电流采集 AIN1</translation>
    </message>
    <message>
        <source>2 Analog Current Acquisition AIN2</source>
        <translation>2 模拟电流采集 AIN2</translation>
    </message>
    <message>
        <source>3 Direct Read RS485 Channel MAD3</source>
        <translation>3 RS485直读通道 MAD3</translation>
    </message>
    <message>
        <source>4 Direct Read RS485 Channel MAD4</source>
        <translation>4 RS485直读通道 MAD4</translation>
    </message>
    <message>
        <source>5 Direct Read RS485 Channel MAD5</source>
        <translation>5 RS485直读通道 MAD5</translation>
    </message>
    <message>
        <source>6 Direct Read RS485 Channel MAD6</source>
        <translation>6 RS485直读通道 MAD6</translation>
    </message>
    <message>
        <source>7 Analog Current Acquisition AIN3</source>
        <translation>7 模拟电流采集 AIN3</translation>
    </message>
    <message>
        <source>8 Analog Current Acquisition AIN4</source>
        <translation>8 模拟电流采集 AIN4</translation>
    </message>
    <message>
        <source>9 Power Supply Voltage</source>
        <translation>9 供电电压</translation>
    </message>
    <message>
        <source>1-IN1 Channel Pulse Totalizer</source>
        <translation>1-IN1通道脉冲累计</translation>
    </message>
    <message>
        <source>2-IN2 Channel Pulse Totalizer</source>
        <translation>2-IN2通道脉冲累计</translation>
    </message>
    <message>
        <source>3-RS485 Direct Read Totalizer 1 (MPU3)</source>
        <translation>3-RS485直读累计量1 (MPU3)</translation>
    </message>
    <message>
        <source>4-RS485 Direct Read Totalizer 2 (MPU4)</source>
        <translation>4-RS485直读累计量2 (MPU4)</translation>
    </message>
    <message>
        <source>5-RS485 Direct Read Totalizer 3 (MPU5)</source>
        <translation>5-RS485直读累计量3 (MPU5)</translation>
    </message>
    <message>
        <source>Digital Signal</source>
        <translation>开关量</translation>
    </message>
    <message>
        <source>Pulse Counting</source>
        <translation>脉冲计数</translation>
    </message>
    <message>
        <source>0-Close</source>
        <translation>0-关闭</translation>
    </message>
    <message>
        <source>1-Open</source>
        <translation>1-开启</translation>
    </message>
    <message>
        <source>0_Close</source>
        <translation>0_关闭</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>0-Float（4321）</source>
        <translation>0-浮点数（4321）</translation>
    </message>
    <message>
        <source>1-Float（2143）</source>
        <translation>1-浮点数（2143）</translation>
    </message>
    <message>
        <source>2-Float（1234）</source>
        <translation>2-浮点数（1234）</translation>
    </message>
    <message>
        <source>3-Unsigned int(4321)</source>
        <translation>3-无符号整数(4321)</translation>
    </message>
    <message>
        <source>4-Unsigned int(2143)</source>
        <translation>4-无符号整数(2143)</translation>
    </message>
    <message>
        <source>5-Unsigned int(1234)</source>
        <translation>5-无符号整数(1234)</translation>
    </message>
    <message>
        <source>6-Signed int(4321)</source>
        <translation>6-有符号整数(4321)</translation>
    </message>
    <message>
        <source>7-Signed int(2143)</source>
        <translation>7-有符号整数(2143)</translation>
    </message>
    <message>
        <source>8-Signed int</source>
        <translation>8-有符号整数</translation>
    </message>
    <message>
        <source>9-Signed int(invert)</source>
        <translation>9-有符号整数(反序)</translation>
    </message>
    <message>
        <source>10-Signed int(not inverted)</source>
        <translation>10-有符号整数(不反序)</translation>
    </message>
    <message>
        <source>11-BCD(high low order)</source>
        <translation>11-BCD码(高位在前)</translation>
    </message>
    <message>
        <source>12-BCD(low high order)</source>
        <translation>12-BCD码(低位在前)</translation>
    </message>
    <message>
        <source>13-Character string(high low order)</source>
        <translation>13-字符串(高位在前)</translation>
    </message>
    <message>
        <source>14-Character string(low high order)</source>
        <translation>14-字符串(低位在前)</translation>
    </message>
    <message>
        <source>15-Double(high low order)</source>
        <translation>15-双精度(高位在前)</translation>
    </message>
    <message>
        <source>16-Double(low high order)</source>
        <translation>16-双精度(低位在前)</translation>
    </message>
    <message>
        <source>17-BCD(low high order-0X33)</source>
        <translation>17-BCD码(低位在前-0X33)</translation>
    </message>
    <message>
        <source>0  Close</source>
        <translation>0  关闭</translation>
    </message>
    <message>
        <source>1  Reserved</source>
        <translation>1  保留</translation>
    </message>
    <message>
        <source>2  Direct Command Read</source>
        <translation>2  直接命令读取</translation>
    </message>
    <message>
        <source>3  ABB Battery Flow Meter MASTER3</source>
        <translation>3  ABB电池供电流量计 MASTER3</translation>
    </message>
    <message>
        <source>4  ABB Battery Flow Meter MASTER4</source>
        <translation>4  ABB电池供电流量计 MASTER4</translation>
    </message>
    <message>
        <source>5  ABB Mains-Powered Flow Meter</source>
        <translation>5  ABB市电供电流量计</translation>
    </message>
    <message>
        <source>9  Dahua Flow Meter(Without Pressure)</source>
        <translation>9  Dahua流量计(不带压力)</translation>
    </message>
    <message>
        <source>10 Dahua Flow Meter(With Pressure)</source>
        <translation>10 Dahua流量计(带压力)</translation>
    </message>
    <message>
        <source>11 Shenzhen TAX Meter</source>
        <translation>11 深圳TAX表</translation>
    </message>
    <message>
        <source>12 Dalian Haifeng Ultrasonic Flow Meter</source>
        <translation>12 大连Haifeng超声波流量计</translation>
    </message>
    <message>
        <source>0 Auto</source>
        <translation>0 自动</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>0 DNS Connection</source>
        <translation>0 域名连接</translation>
    </message>
    <message>
        <source>1 IP Connection</source>
        <translation>1 IP连接</translation>
    </message>
</context>
<context>
    <name>EthernetGroup</name>
    <message>
        <source>Ethernet Params Config</source>
        <translation>以太网参数配置</translation>
    </message>
    <message>
        <source>Target IP Address:</source>
        <translation>目标IP地址：</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>端口号：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Gateway Params Query</source>
        <translation>网关参数查询</translation>
    </message>
</context>
<context>
    <name>GprsPage</name>
    <message>
        <source>APN Network Access Point:</source>
        <translation>APN接入点：</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>DNS:</source>
        <translation>域名：</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>端口号：</translation>
    </message>
    <message>
        <source>Heartbeat Interval:</source>
        <translation>心跳间隔：</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Redial Interval:</source>
        <translation>重拨间隔：</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Network Type:</source>
        <translation>网络类型：</translation>
    </message>
    <message>
        <source>TCP/UDP:</source>
        <translation>TCP/UDP：</translation>
    </message>
    <message>
        <source>GPRS Enable:</source>
        <translation>GPRS使能：</translation>
    </message>
    <message>
        <source>Module Communication Failure</source>
        <translation>模块通讯故障</translation>
    </message>
    <message>
        <source>SIM Card Not Detected</source>
        <translation>未检测到SIM卡</translation>
    </message>
    <message>
        <source>Network Registration Failed</source>
        <translation>网络注册失败</translation>
    </message>
    <message>
        <source>GPRS Connection Failed</source>
        <translation>GPRS连接失败</translation>
    </message>
    <message>
        <source>GPRS Connection to Center Failed</source>
        <translation>GPRS连接中心失败</translation>
    </message>
    <message>
        <source>GSM Signal Strength:</source>
        <translation>GSM信号强度：</translation>
    </message>
    <message>
        <source>Obtain IP Address:</source>
        <translation>获取的IP地址：</translation>
    </message>
    <message>
        <source>Network Access Method:</source>
        <translation>网络接入方式：</translation>
    </message>
    <message>
        <source>Connection Method:</source>
        <translation>连接方式：</translation>
    </message>
    <message>
        <source>Read Parameters</source>
        <translation>读取参数</translation>
    </message>
    <message>
        <source>GPRS Parameter Configuration</source>
        <translation>GPRS参数配置</translation>
    </message>
</context>
<context>
    <name>HistoryChartWindow</name>
    <message>
        <source>History</source>
        <translation>历史数据</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
</context>
<context>
    <name>LiveChart</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Live readings</source>
        <translation>实时数据</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Readings kept (the last 24 hours): %1</source>
        <translation>已保存的数据（最近 24 小时）：%1</translation>
    </message>
    <message>
        <source>Paused; %1</source>
        <translation>已暂停；%1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
</context>
<context>
    <name>LiveMonitor</name>
    <message>
        <source>Monitor needs an open link: press &quot;Open&quot; or &quot;Connect&quot; first.</source>
        <translation>监视需要已打开的连接：请先按“打开”或“连接”。</translation>
    </message>
</context>
<context>
    <name>MessageTexts</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值。</translation>
    </message>
    <message>
        <source>Error opening serial port</source>
        <translation>打开串口出错。</translation>
    </message>
    <message>
        <source>Input data must not be singular</source>
        <translation>输入数据不能为单数</translation>
    </message>
    <message>
        <source>Asynchronous socket error %1</source>
        <translation>异步套接字错误 %1。</translation>
    </message>
    <message>
        <source>Windows socket error: %1 (%2), on API &apos;%3&apos;</source>
        <translation>Windows 套接字错误：%1 (%2)，API “%3”。</translation>
    </message>
    <message>
        <source>No address specified</source>
        <translation>未指定地址。</translation>
    </message>
    <message>
        <source>Can&apos;t change value while socket is active</source>
        <translation>套接字连接时不能更改此值。</translation>
    </message>
    <message>
        <source>Can&apos;t create new socket</source>
        <translation>无法创建新的套接字。</translation>
    </message>
    <message>
        <source>the serial port is not open: pick it and click &quot;Open&quot; first</source>
        <translation>串口未打开：请先选择串口并点击“打开”</translation>
    </message>
    <message>
        <source>not connected to the gateway: click &quot;Connect&quot; first</source>
        <translation>未连接网关：请先点击“连接”</translation>
    </message>
    <message>
        <source>%1: cannot connect: %2 (%3)</source>
        <translation>%1：无法连接：%2（%3）</translation>
    </message>
    <message>
        <source>%1: no answer to the connection within %2 s: is the address right?</source>
        <translation>%1：%2 秒内连接无应答：地址是否正确？</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>System Parameter</source>
        <translation>系统参数</translation>
    </message>
    <message>
        <source>GPRS Parameters</source>
        <translation>GPRS参数</translation>
    </message>
    <message>
        <source>AD/DI Channel Configuration</source>
        <translation>AD/DI通道配置</translation>
    </message>
    <message>
        <source>Comm Settings 1</source>
        <translation>通讯设置1</translation>
    </message>
    <message>
        <source>Comm Settings 2</source>
        <translation>通讯设置2</translation>
    </message>
    <message>
        <source>Data Query</source>
        <translation>数据查询</translation>
    </message>
    <message>
        <source>Wiring Diagram</source>
        <translation>接线图</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Reading %1 (%2 of %3)</source>
        <translation>正在读取 %1（第 %2 项，共 %3 项）</translation>
    </message>
    <message>
        <source>Setting %1 of %2: %3</source>
        <translation>正在设置第 %1 项，共 %2 项：%3</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 项已更改</translation>
    </message>
    <message>
        <source>%1 already right</source>
        <translation>%1 项原已正确</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 项失败</translation>
    </message>
    <message>
        <source>%1 written but not read back</source>
        <translation>%1 项已写入但未回读</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 项未写入</translation>
    </message>
    <message>
        <source>%1 uncertain</source>
        <translation>%1 项不确定</translation>
    </message>
    <message>
        <source>%1 kept as the collector&apos;s own</source>
        <translation>%1 项保留采集器自己的值</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>The write ended early: %1.

</source>
        <translation>写入提前结束：%1。

</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message>
        <source>

Changed: %1
Failed: %2</source>
        <translation>

已更改：%1
失败：%2</translation>
    </message>
    <message>
        <source>
Not written: %1</source>
        <translation>
未写入：%1</translation>
    </message>
    <message>
        <source>
Written, not read back: %1</source>
        <translation>
已写入，未回读：%1</translation>
    </message>
    <message>
        <source>
Sent, but no answer came (the collector may or may not hold it): %1</source>
        <translation>
已发送但无应答（采集器可能已保存，也可能没有）：%1</translation>
    </message>
    <message>
        <source>
Kept as the collector&apos;s own (it identifies the collector): %1</source>
        <translation>
保留采集器自己的值（它标识采集器）：%1</translation>
    </message>
    <message>
        <source>
Skipped, set over the serial link only or an action: %1</source>
        <translation>
已跳过（只能通过串口设置，或是一项操作）：%1</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Compare: %1; the pages are as they were</source>
        <translation>比较：%1；各页保持原样</translation>
    </message>
    <message>
        <source>Compare stopped; the pages are as they were.</source>
        <translation>比较已停止；各页保持原样。</translation>
    </message>
    <message>
        <source>%1 of %2 settings differ from %3. The pages now show what the collector holds.</source>
        <translation>%2 项设置中有 %1 项与 %3 不同。各页现在显示采集器中的值。</translation>
    </message>
    <message>
        <source>the window&apos;s values</source>
        <translation>窗口中的值</translation>
    </message>
    <message>
        <source>
Read over the serial link only, not compared: %1</source>
        <translation>
只能通过串口读取，未比较：%1</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profiles (*.json)</source>
        <translation>配置文件 (*.json)</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1：%2；未作任何更改</translation>
    </message>
    <message>
        <source>%1: not opened; the pages are as they were.

%2</source>
        <translation>%1：未打开；各页保持原样。

%2</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1：未保存：%2</translation>
    </message>
    <message>
        <source>%1 saved without the settings the pages leave empty or the collector would not take, each &quot;Set&quot; button&apos;s settings all or none:
%2</source>
        <translation>%1 已保存，但不含各页留空或采集器不接受的设置（每个“设置”按钮的设置要么全部保存，要么都不保存）：
%2</translation>
    </message>
    <message>
        <source>Opening the link…</source>
        <translation>正在打开连接…</translation>
    </message>
    <message>
        <source>Stopping once the collector has answered…</source>
        <translation>等采集器应答后停止…</translation>
    </message>
    <message>
        <source>%1: the collector has &quot;%2&quot;, the profile &quot;%3&quot;</source>
        <translation>%1：采集器为“%2”，配置文件为“%3”</translation>
    </message>
    <message>
        <source>Write Profile</source>
        <translation>写入配置文件</translation>
    </message>
    <message>
        <source>These settings identify the collector:
%1

Keep the collector&apos;s, or write the profile&apos;s (a replacement unit taking over this one&apos;s place)?</source>
        <translation>以下设置标识这台采集器：
%1

保留采集器自己的值，还是写入配置文件中的值（用于替换原采集器的新设备）？</translation>
    </message>
    <message>
        <source>Keep the collector&apos;s</source>
        <translation>保留采集器的值</translation>
    </message>
    <message>
        <source>Write the profile&apos;s</source>
        <translation>写入配置文件的值</translation>
    </message>
    <message>
        <source> (clears the stored history)</source>
        <translation>（会清除已保存的历史数据）</translation>
    </message>
    <message>
        <source>Write Profile: nothing sent.

%1</source>
        <translation>写入配置文件：未发送任何命令。

%1</translation>
    </message>
</context>
<context>
    <name>ReadingsChart</name>
    <message>
        <source>Analog</source>
        <translation>模拟量</translation>
    </message>
    <message>
        <source>Voltage (V), digital inputs</source>
        <translation>电压 (V)、开关量输入</translation>
    </message>
    <message>
        <source>Totalizers</source>
        <translation>累计量</translation>
    </message>
    <message>
        <source>This build has no charts. Export CSV… saves the readings for a spreadsheet.</source>
        <translation>此版本没有图表。“导出 CSV…”可将数据保存为表格文件。</translation>
    </message>
</context>
<context>
    <name>SystemParameterPage</name>
    <message>
        <source>Communication Connection:</source>
        <translation>通讯连接：</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Communication Test</source>
        <translation>通讯测试</translation>
    </message>
    <message>
        <source>Model Number:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>System Parameter</source>
        <translation>系统参数</translation>
    </message>
    <message>
        <source>Station Number:</source>
        <translation>站号：</translation>
    </message>
    <message>
        <source>Verification Time:</source>
        <translation>校时时间：</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>年</translation>
    </message>
    <message>
        <source>M</source>
        <translation>月</translation>
    </message>
    <message>
        <source>D</source>
        <translation>日</translation>
    </message>
    <message>
        <source>H</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>IP Center Transmission Cycle:</source>
        <translation>IP中心发送周期：</translation>
    </message>
    <message>
        <source>Data Retention Period:</source>
        <translation>数据保存周期：</translation>
    </message>
    <message>
        <source>Power Output Delay:</source>
        <translation>电源输出延时：</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Read Parameters</source>
        <translation>读取参数</translation>
    </message>
    <message>
        <source>Parameter Initialization</source>
        <translation>恢复出厂设置</translation>
    </message>
</context>
<context>
    <name>Tmainform1</name>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Connecting!</source>
        <translation>正在连接！</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>A profile action is running. Stop it once the collector has answered and close the window?</source>
        <translation>配置文件操作正在进行。等采集器应答后停止它并关闭窗口吗？</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>WindowHeader</name>
    <message>
        <source>TL380 Collector Configuration Software</source>
        <translation>TL380 采集器配置软件</translation>
    </message>
</context>
</TS>
