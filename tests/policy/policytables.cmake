quenlo_add_test(tst_policytables policy/tst_policytables.cpp DB)
