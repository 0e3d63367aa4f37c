quenlo_add_test(tst_unitservice refdata/tst_unitservice.cpp DB)
