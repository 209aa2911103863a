#pragma once

class Tform1;

// 员工资料, 公司信息, 供货商, 收支项目资料 and 积分商品 of the 基础资料 menu.
void connectStaffMenus(Tform1& main);
