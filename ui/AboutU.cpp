// AboutU
