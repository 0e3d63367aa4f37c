quenlo_add_test(tst_money data/tst_money.cpp)
