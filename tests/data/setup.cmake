quenlo_add_test(tst_setup data/tst_setup.cpp DB)
