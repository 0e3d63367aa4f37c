quenlo_add_test(tst_demovouchers policy/tst_demovouchers.cpp DB)
