#pragma once

class Tform1;

// 商品类别, 商品资料, 套系名称 and 套系明细 of the basic-data menu.
void connectProductMenus(Tform1& main);
