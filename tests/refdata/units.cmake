quenlo_add_test(tst_unitservice refdata/tst_unitservice.cpp DB)
quenlo_add_test(tst_unitscreen refdata/tst_unitscreen.cpp GUI DB)
