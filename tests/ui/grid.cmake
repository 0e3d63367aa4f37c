quenlo_add_test(tst_datagrid ui/tst_datagrid.cpp GUI DB)
quenlo_add_test(tst_exportdialog ui/tst_exportdialog.cpp GUI)
