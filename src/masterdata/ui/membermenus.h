#pragma once

class Tform1;

// 会员资料, 会员级别 and the main window's 添加新客户 button.
void connectMemberMenus(Tform1& main);
