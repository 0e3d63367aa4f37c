quenlo_add_test(tst_datagrid ui/tst_datagrid.cpp GUI DB)
