# The main window and its controls, loaded and checked at start.
#
# window NAME title="…" size=WIDTH,HEIGHT
# control NAME KIND parent=PARENT rect=LEFT,TOP,WIDTH,HEIGHT [text="…"] [color=R,G,B]
#         [address="…"] [tabstop] [disabled]
# column LISTVIEW "caption" WIDTH
# item COMBOBOX "caption"
# group ROLLUPMENU "caption"        entry ROLLUPMENU "caption" (into the last group)
# menu NAME "caption"               menuitem MENU "caption"
# Kinds: groupbox listview combobox button spin label translabel browser rollupmenu.
# Quoted texts are UTF-8 and may hold \r \n \" and \\. Controls come in tab order.

window 主窗口 title="Nuvri福利视频播放器" size=960,706

control 分组框1 groupbox parent=主窗口 rect=9,5,310,251 text="资源区点击标题即可播放"
control 超级列表框1 listview parent=分组框1 rect=3,15,304,236 tabstop
column 超级列表框1 "序号" 400
column 超级列表框1 "标题" 1
column 超级列表框1 "地址" 1
control 组合框2 combobox parent=分组框1 rect=14,531,297,20 tabstop
item 组合框2 "精选合集（约7000部）"
item 组合框2 "线路1（部分视频无法播放请更换视频并等待更新）"
item 组合框2 "线路2每个线路（1000部）不同视频"
item 组合框2 "线路3每个线路（1000部）不同视频"
item 组合框2 "线路4每个线路（1000部）不同视频"
item 组合框2 "线路5每个线路（1000部）不同视频"
item 组合框2 "线路6每个线路（1000部）不同视频"
item 组合框2 "线路7每个线路（1000部）不同视频"
item 组合框2 "线路8每个线路（1000部）不同视频"
item 组合框2 "线路9每个线路（1000部）不同视频"
item 组合框2 "线路10每个线路（1000部）不同视频"
item 组合框2 "线路11每个线路（1000部）不同视频"
item 组合框2 ""
control 组合框1 combobox parent=分组框1 rect=46,536,296,20
item 组合框1 "首页"
item 组合框1 "搞笑合集"
item 组合框1 "唱歌跳舞"
item 组合框1 "视频主播"
item 组合框1 "街拍自拍"
item 组合框1 "最新电影"
control 按钮1 button parent=分组框1 rect=230,486,88,24 text="跳转" tabstop
control 调节器1 spin parent=分组框1 rect=102,550,48,24
control 标签1 label parent=分组框1 rect=54,555,56,16 text="资源分类"
control 标签2 label parent=分组框1 rect=163,554,56,16 text="?/?"
control 标签3 label parent=主窗口 rect=16,256,288,112 text="\r\n\r\n\r\n温馨提示：点击视频播放丶请等待缓冲丶\r\n\r\n如果视频加载失败丶 请更换视频观看\r\n\r\n软件使用人数较多丶缓冲速度取决于自己网速"

control 分组框2 groupbox parent=主窗口 rect=323,13,464,363 text="播放区域      温馨提示请勿相信视频中的广告以免被骗跟作者无关"
control 超文本浏览框1 browser parent=分组框2 rect=3,17,458,346 address="/Nuvri公告.txt" tabstop

control 分组框3 groupbox parent=主窗口 rect=8,376,776,168
control 组合框3 combobox parent=分组框3 rect=8,8,120,20 text="点我选择下载地址" tabstop
item 组合框3 "视频下载"
item 组合框3 "套图下载"
control 超级列表框2 listview parent=分组框3 rect=8,38,760,128 tabstop
column 超级列表框2 "索引" 50
column 超级列表框2 "标题" 200
column 超级列表框2 "网址     温馨提示选择标题点击鼠标右键即可下载" 500
control 透明标签2 translabel parent=分组框3 rect=158,9,66,24 text="友情链接：" color=0,0,0
control 透明标签1 translabel parent=分组框3 rect=224,11,66,24 text="Nuvri论坛" color=255,0,0
control 透明标签3 translabel parent=分组框3 rect=288,13,66,24 text="Nuvri官网" color=128,0,128
control 透明标签4 translabel parent=分组框3 rect=352,14,88,24 text="更多等待添加" color=0,128,128

control 超文本浏览框2 browser parent=主窗口 rect=8,552,936,32 address="/000.txt" disabled tabstop
control 超文本浏览框3 browser parent=主窗口 rect=8,592,936,64 address="/111.txt" disabled tabstop

control 卷帘式菜单1 rollupmenu parent=主窗口 rect=790,20,152,524 tabstop
group 卷帘式菜单1 "电视直播"
entry 卷帘式菜单1 "东方卫视"
entry 卷帘式菜单1 "北京卫视"
entry 卷帘式菜单1 "江苏卫视"
entry 卷帘式菜单1 "浙江卫视"
entry 卷帘式菜单1 "CCTV-1 综合"
entry 卷帘式菜单1 "CCTV-2 财经"
entry 卷帘式菜单1 "CCTV-3 综艺"
entry 卷帘式菜单1 "CCTV-4 亚洲"
entry 卷帘式菜单1 "CCTV-4 (欧洲)"
entry 卷帘式菜单1 "CCTV-4 (美洲)"
entry 卷帘式菜单1 "CCTV-5 体育"
entry 卷帘式菜单1 "CCTV-6 电影"
entry 卷帘式菜单1 "CCTV-7 军事农业"
entry 卷帘式菜单1 "CCTV-8 电视剧"
entry 卷帘式菜单1 "CCTV-9 纪录"
entry 卷帘式菜单1 "CCTV-9 纪录(英)"
entry 卷帘式菜单1 "CCTV-10 科教"
entry 卷帘式菜单1 "CCTV-11 戏曲"
entry 卷帘式菜单1 "CCTV-12 社会与法"
entry 卷帘式菜单1 ""
group 卷帘式菜单1 "游戏直播"
entry 卷帘式菜单1 "英雄联盟"
entry 卷帘式菜单1 "穿越火线"
entry 卷帘式菜单1 "QQ飞车"
entry 卷帘式菜单1 "逆战"
entry 卷帘式菜单1 "地下城勇士"
entry 卷帘式菜单1 "QQ游戏"
entry 卷帘式菜单1 "手游"
entry 卷帘式菜单1 "单机游戏"
entry 卷帘式菜单1 "其他游戏"
entry 卷帘式菜单1 "随机精选"
group 卷帘式菜单1 "美女直播"
entry 卷帘式菜单1 "热门美女"
entry 卷帘式菜单1 "美女直播"
group 卷帘式菜单1 "热门电影"
entry 卷帘式菜单1 "今日热播"
entry 卷帘式菜单1 "线路2超多影片"
group 卷帘式菜单1 "街拍丶秒拍丶微拍丶自拍"
entry 卷帘式菜单1 "街拍自拍短视频"
group 卷帘式菜单1 "视频-套图-下载区域"
entry 卷帘式菜单1 "无水印套图下载"
entry 卷帘式菜单1 "获取视频下载地址"
group 卷帘式菜单1 "Nuvri轻声音乐盒子"
entry 卷帘式菜单1 "Nuvri音乐盒子"

menu 菜单 "菜单"
menuitem 菜单 "打开下载网址"
menuitem 菜单 "复制地址+名称"
menuitem 菜单 "清空"
