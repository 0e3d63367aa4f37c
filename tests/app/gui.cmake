quenlo_add_test(tst_mainwindow app/tst_mainwindow.cpp GUI DB)
quenlo_add_test(tst_login app/tst_login.cpp GUI DB)
quenlo_add_test(tst_startup app/tst_startup.cpp GUI)
